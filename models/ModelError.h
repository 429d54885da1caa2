#pragma once

#include <stdexcept>
#include <string>

namespace models {

// A model description that cannot be used, with where the fault lies:
//   models/db/x.json: model 5/30: field "inputs[2].code": expected an integer
// The model key and the field are left out of the text when unknown.
class ModelError : public std::runtime_error {
 public:
  ModelError(std::string file, std::string modelKey, std::string field, std::string message);

  const std::string& File() const noexcept { return file_; }
  const std::string& ModelKey() const noexcept { return modelKey_; }  // "5/30" or empty
  const std::string& Field() const noexcept { return field_; }        // "inputs[2].code" or empty
  const std::string& Message() const noexcept { return message_; }    // the fault alone

 private:
  std::string file_;
  std::string modelKey_;
  std::string field_;
  std::string message_;
};

}  // namespace models
