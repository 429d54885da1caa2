#include "frame/PageTable.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace expert {
namespace {

struct TabLayout {
  int type;
  std::vector<int> models;  // the models this layout is for; empty: every other model of the type
  std::vector<TabEntry> tabs;
};

const std::vector<TabLayout>& Layouts() {
  static const std::vector<TabLayout> layouts = {
      {1, {}, {{22153, Msg(4, 157)}, {22154, Msg(4, 158)}, {22155, Msg(4, 159)}, {22156, Msg(4, 160)},
               {22157, Msg(4, 161)}, {22158, Msg(4, 162)}, {22159, Msg(4, 163)}, {22152, Msg(4, 164)}}},
      {2, {}, {{20003, Msg(4, 157)}, {20005, Msg(4, 158)}, {20009, Msg(4, 159)}, {20011, Msg(4, 160)},
               {20013, Msg(4, 161)}, {22158, Msg(4, 162)}, {20014, Msg(4, 163)}, {22152, Msg(4, 164)}}},
      {3, {10, 47, 48}, {{20016, Msg(4, 165)}, {20018, Msg(4, 160)}, {20020, Msg(4, 167)}, {20022, Msg(4, 163)},
                         {22152, Msg(4, 164)}}},
      {3, {}, {{20016, Msg(4, 166)}, {20018, Msg(4, 160)}, {20020, Msg(4, 167)}, {20022, Msg(4, 163)},
               {22152, Msg(4, 164)}}},
      {4, {9, 22}, {{22160, Msg(4, 166)}, {20029, Msg(4, 167)}, {20031, Msg(4, 168)}, {20033, Msg(4, 160)},
                    {20037, Msg(4, 165)}, {20035, Msg(4, 162)}, {20039, Msg(4, 163)}, {20041, Msg(4, 164)}}},
      {4, {}, {{22160, Msg(4, 166)}, {20029, Msg(4, 167)}, {20033, Msg(4, 160)}, {20037, Msg(4, 165)},
               {20035, Msg(4, 162)}, {20039, Msg(4, 163)}, {20041, Msg(4, 164)}}},
      {5, {30, 31, 41, 43}, {{107, Msg(4, 166)}, {20029, Msg(4, 167)}, {20046, Msg(4, 160)}, {20048, Msg(4, 165)},
                             {20050, Msg(4, 169)}, {20035, Msg(4, 162)}, {20052, Msg(4, 163)}, {20041, Msg(4, 164)}}},
      {5, {}, {{107, Msg(4, 166)}, {20029, Msg(4, 167)}, {20046, Msg(4, 160)}, {20048, Msg(4, 165)},
               {20035, Msg(4, 162)}, {20052, Msg(4, 163)}, {20041, Msg(4, 164)}}},
  };
  return layouts;
}

const TabLayout* LayoutFor(int modelType, int modelNo) {
  for (const TabLayout& layout : Layouts()) {
    if (layout.type != modelType) continue;
    const bool listed = std::find(layout.models.begin(), layout.models.end(), modelNo) != layout.models.end();
    if (layout.models.empty() || listed) return &layout;
  }
  return nullptr;
}

}  // namespace

std::span<const TabEntry> TabsAfterStatus(int modelType, int modelNo) {
  const TabLayout* layout = LayoutFor(modelType, modelNo);
  return layout ? std::span<const TabEntry>(layout->tabs) : std::span<const TabEntry>();
}

int TemplateForTab(int modelType, int modelNo, int index) {
  if (index == 0) return kStatusPageTemplate;
  const auto tabs = TabsAfterStatus(modelType, modelNo);
  return index > 0 && index <= static_cast<int>(tabs.size()) ? tabs[index - 1].templateId : 0;
}

std::span<const int> CreationOrder(int modelType) {
  // Type 4 creates page 20031 for every model, also where no tab shows it.
  static const int type1[] = {22153, 22154, 22155, 22156, 22157, 22159, 22158, 22152};
  static const int type2[] = {20003, 20005, 20009, 20011, 20013, 20014, 22158, 22152};
  static const int type3[] = {20016, 20018, 20020, 20022, 22152};
  static const int type4[] = {22160, 20029, 20031, 20033, 20035, 20037, 20039, 20041};
  static const int type5[] = {107, 20029, 20046, 20035, 20048, 20052, 20041, 20050};
  switch (modelType) {
    case 1: return type1;
    case 2: return type2;
    case 3: return type3;
    case 4: return type4;
    case 5: return type5;
    default: return {};
  }
}

bool HasAudioTab(int modelType, int modelNo) {
  return modelType == 5 && (modelNo == 30 || modelNo == 31 || modelNo == 41 || modelNo == 43);
}

}  // namespace expert
