#include "host/profile/ProfileReport.h"

namespace profile {

nlohmann::ordered_json ReportToJson(const ApplyReport& report) {
  nlohmann::ordered_json refused = nlohmann::ordered_json::array();
  for (const RefusedSetting& setting : report.refused)
    refused.push_back({{"tab", setting.tab}, {"label", setting.label}, {"error", setting.error}});
  nlohmann::ordered_json unavailable = nlohmann::ordered_json::array();
  for (const MissingSetting& setting : report.unavailable)
    unavailable.push_back({{"tab", setting.tab}, {"label", setting.label}});
  return {{"name", report.name},
          {"ok", report.Ok()},
          {"error", report.error.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(report.error)},
          {"set", report.set},
          {"unchanged", report.unchanged},
          {"refused", std::move(refused)},
          {"unavailable", std::move(unavailable)}};
}

ApplyReport ReportFromJson(const nlohmann::json& json) {
  ApplyReport report;
  report.name = json.at("name").get<std::string>();
  if (!json.at("error").is_null()) report.error = json.at("error").get<std::string>();
  report.set = json.at("set").get<int>();
  report.unchanged = json.at("unchanged").get<int>();
  for (const auto& item : json.at("refused"))
    report.refused.push_back({item.at("tab").get<std::string>(), item.at("label").get<std::string>(),
                              item.at("error").get<std::string>()});
  for (const auto& item : json.at("unavailable"))
    report.unavailable.push_back({item.at("tab").get<std::string>(), item.at("label").get<std::string>()});
  return report;
}

}  // namespace profile
