// expert-demo: opens one projector of the model database in the real module,
// headless, and prints what the dialog shows: a look at the module without a
// display or a script.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "models/ModelDatabase.h"
#include "tools/demo/DemoReport.h"
#include "tools/driver/Session.h"

namespace {
constexpr char kModel[] = "5/30";
constexpr char kUsage[] =
    "usage: expert-demo\n"
    "\n"
    "Opens the Expert Control dialog of model 5/30 of the model database,\n"
    "headless, against a simulated projector, and prints what it shows.\n"
    "\n"
    "  --help   show this text\n";
}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
    if (help && argc == 2) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    std::fprintf(stderr, "expert-demo: unknown argument \"%s\"\n%s", argv[help ? 2 : 1], kUsage);
    return 2;
  }
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
