#pragma once
// Which pages each model type offers, on which tab, under which title, and
// the order in which the dialog creates them.
#include <span>

#include "catalog/Catalog.h"

namespace expert {

constexpr int kStatusPageTemplate = 20000;
constexpr int kMaxTabs = 9;  // status page and up to eight more

struct TabEntry {
  int templateId;
  CatMsg title;
};

// The tabs after the status tab for a model type and number; empty for a
// type outside 1 to 5.
std::span<const TabEntry> TabsAfterStatus(int modelType, int modelNo);
// The page template behind tab `index` (0 is the status page), or 0 when the
// index has no page.
int TemplateForTab(int modelType, int modelNo, int index);
// The pages of a type in creation order (the status page not included).
std::span<const int> CreationOrder(int modelType);
// Type 5: whether the model has the audio tab.
bool HasAudioTab(int modelType, int modelNo);

}  // namespace expert
