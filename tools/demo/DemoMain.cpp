// expert-demo: opens one projector of the model database in the real module,
// headless, and prints what the dialog shows. What `make run` runs until the
// desktop host exists.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "models/ModelDatabase.h"
#include "tools/demo/DemoReport.h"
#include "tools/driver/Session.h"

namespace {
constexpr char kModel[] = "5/30";
}

int main() {
  try {
    const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    std::vector<driver::OrderedJson> output;
    {
      driver::Session session(database,
                              driver::ScriptedLines({
                                  std::string(R"({"cmd":"open","model":")") + kModel + R"(","seq":"open"})",
                                  R"({"cmd":"dump","seq":"dump"})",
                                  R"({"cmd":"close","seq":"close"})",
                              }),
                              [&output](const driver::OrderedJson& object) { output.push_back(object); });
      session.Run();
    }
    std::printf("Expert Control for model %s of the model database (headless)\n%s", kModel,
                demo::DescribeSession(output).c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "expert-demo: %s\n", error.what());
    return 1;
  }
}
