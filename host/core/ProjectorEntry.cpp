#include "host/core/ProjectorEntry.h"

#include "beamlink/SerialTransport.h"
#include "catalog/Catalog.h"
#include "models/Address.h"
#include "models/HostRecords.h"

namespace host {
namespace {

// The model database names inputs in English; the dialog shows them in the
// user's language, as a host would hand them over.
struct InputName {
  const char* english;
  CatMsg text;
};
constexpr InputName kInputNames[] = {
    {"Video", Msg(7, 90)},      {"S-Video", Msg(7, 91)}, {"Component", Msg(7, 92)},
    {"Computer 1", Msg(7, 93)}, {"Computer 2", Msg(7, 94)}, {"Computer", Msg(7, 95)},
    {"RGB 1", Msg(7, 96)},      {"RGB 2", Msg(7, 97)},   {"Network", Msg(7, 98)},
};

void LocaliseInputNames(models::ModelDescription& description) {
  for (models::Input& input : description.inputs)
    for (const InputName& known : kInputNames)
      if (input.name == known.english) input.name = CatalogText(known.text);
}

}  // namespace

std::optional<CProjectorItem> MakeProjectorItem(const ProjectorEntry& entry, const models::ModelDatabase& database,
                                                std::string& error) {
  const models::ModelDescription* model = database.Find(entry.modelType, entry.modelNo);
  if (!model) {
    error = CatalogText(Msg(7, 41), entry.modelType, entry.modelNo);
    return std::nullopt;
  }
  models::ModelDescription description = *model;
  description.name = entry.name;
  LocaliseInputNames(description);
  models::Connection& connection = description.connection;
  connection = {};
  if (entry.link == Link::Network) {
    // A host name travels as address 0; AttachEntry gives the dialog's
    // interface the name itself.
    connection.kind = ConnectKindOf(entry);
    connection.address = models::ParseDottedAddress(entry.address).value_or(0);
    connection.third = entry.tcpPort;
  } else {
    connection.kind = 0;
    connection.port = entry.serialPort;
    connection.third = entry.baudRate;
  }
  connection.fourth = entry.timeoutMs;
  connection.text2 = entry.password;
  return models::ToProjectorItem(description);
}

int ConnectKindOf(const ProjectorEntry& entry) {
  if (entry.link == Link::Serial) return 0;
  return entry.pjlink ? beamlink::kConnectPjLink : 1;
}

std::string ConnectionText(const ProjectorEntry& entry) {
  if (entry.link == Link::Network) {
    const std::string where = entry.address + ":" + std::to_string(entry.tcpPort);
    return entry.pjlink ? CatalogText(Msg(7, 74), where) : where;
  }
  if (entry.serialDevice.empty())
    return CatalogText(Msg(7, 27), entry.serialPort + 1, beamlink::SerialDevicePath(entry.serialPort), entry.baudRate);
  return CatalogText(Msg(7, 200), entry.serialDevice, entry.baudRate);
}

std::string SerialDeviceOf(const ProjectorEntry& entry) {
  return entry.serialDevice.empty() ? beamlink::SerialDevicePath(entry.serialPort) : entry.serialDevice;
}

void SetSerialDevice(ProjectorEntry& entry, std::string path) {
  entry.serialPort = 0;
  for (int index = 0; index < 256; ++index)
    if (path == beamlink::SerialDevicePath(index)) {
      entry.serialPort = index;
      break;
    }
  entry.serialDevice = std::move(path);
}

// The database's names carry their type and number in English
// ("PV-1030 (type 1, model 3)"): the column gives them in the user's words.
std::string ModelText(const ProjectorEntry& entry, const models::ModelDatabase& database) {
  const models::ModelDescription* model = database.Find(entry.modelType, entry.modelNo);
  if (!model) return CatalogText(Msg(7, 41), entry.modelType, entry.modelNo);
  return CatalogText(Msg(7, 26), model->name.substr(0, model->name.find(" (")), entry.modelType, entry.modelNo);
}

}  // namespace host
