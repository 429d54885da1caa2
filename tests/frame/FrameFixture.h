#pragma once
// Runs a CExpertDlg modally under the headless display: `inspect` sees the
// open dialog, then the dialog is closed with its Close button (or Escape).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "frame/ExpertDlg.h"
#include "framework/HeadlessDisplay.h"
#include "framework/UserInput.h"

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("LC_ALL", "C", 1);  // texts in English whatever the machine's locale
  }
  void TearDown() override {
    TheHeadlessDisplay().SetPump(nullptr);
    unsetenv("LC_ALL");
  }

  // The pages read the projector as soon as they are shown: these tests give
  // them none, so nothing ever leaves the machine.
  static void Offline(CExpertDlg& dialog) {
    dialog.m_pjt.SetTransportFactory([](const beamlink::Endpoint&, beamlink::Deadline, std::string& error) {
      error = "no projector in frame tests";
      return std::unique_ptr<beamlink::Transport>();
    });
  }

  static INT_PTR Run(CExpertDlg& dialog, std::function<void(CExpertDlg&)> inspect, bool escape = false) {
    Offline(dialog);
    bool inspected = false;
    TheHeadlessDisplay().SetPump([&](CDialog& top) {
      if (!inspected) {
        inspected = true;
        inspect(dialog);
      } else {
        escape ? UserEscape(top.m_hWnd) : UserClick(top.m_hWnd->FindChild(IDOK));
      }
      return true;
    });
    return dialog.DoModal();
  }

  static std::vector<std::string> Tabs(CExpertDlg& dialog) {
    std::vector<std::string> tabs;
    for (int i = 0; i < dialog.m_tab.GetItemCount(); ++i) tabs.push_back(dialog.m_tab.GetItemText(i));
    return tabs;
  }

  static std::vector<std::string> Titles(std::initializer_list<int> numbers) {
    std::vector<std::string> titles;
    for (int number : numbers) titles.push_back(CatalogText(Msg(4, number)));
    return titles;
  }

  // A network projector at 192.168.0.10, or with `connectKind` 0 one on serial port `portIndex`.
  static void SetModel(CExpertDlg& dialog, int type, int model, int connectKind = 1, int portIndex = 0) {
    CProjectorItem item;
    item.m_nModelType = type;
    item.m_nModelNo = model;
    item.m_strName = "Hall B";
    item.m_nConnectKind = connectKind;
    item.m_nPortIndex = portIndex;
    item.m_nAddress = 0xC0A8000A;  // 192.168.0.10
    dialog.CopyData(&item);
  }
};
