// What each hand-off copies, and what it leaves as it was.
#include <cstring>

#include "tests/frame/FrameFixture.h"

namespace {

// Host lists whose entry i has the code 100 + i and the name "Entry i"; the
// input codes are given as `codes` and their second codes as `codes + 10`.
struct HostArrays {
  int codes[32] = {};
  char names[32][64] = {};
  HostArrays() {
    for (int i = 0; i < 32; ++i) {
      codes[i] = 100 + i;
      std::snprintf(names[i], 64, "Entry %d", i);
    }
  }
};

TEST(HandOff, SeparateArgumentOverloadsCopyTheirListsAndLeaveTheRest) {
  CExpertDlg dialog;
  dialog.m_strRange[5] = "1,2";
  dialog.m_nWhisperCount = 3;
  HostArrays a;
  dialog.CopyData("P1", 2, 4, a.names[0], a.codes, a.codes + 10, 5, a.codes, a.names[0], 6, a.codes,
                  a.names[0], 7, a.codes, a.names[0]);
  EXPECT_EQ(dialog.m_strProjectorName, "P1");
  EXPECT_EQ(dialog.m_nModelType, 2);
  EXPECT_EQ(dialog.m_nModelNo, 0);
  EXPECT_EQ(dialog.m_nInputCount, 4);
  EXPECT_STREQ(dialog.m_szInputName[6], "Entry 6");  // copied whole, whatever the count says
  EXPECT_EQ(dialog.m_nInputCode2[6], 116);
  EXPECT_EQ(dialog.m_nColorTempCount, 7);
  EXPECT_EQ(dialog.m_nGammaCode[31], 131);
  EXPECT_STREQ(dialog.m_szAspectName[31], "Entry 31");
  EXPECT_EQ(dialog.m_nWhisperCount, 3);

  // The second overload adds the model number and the whisper list.
  dialog.CopyData2("P2", 30, 5, 3, a.names[0], a.codes, a.codes + 10, 4, a.codes, a.names[0], 1, a.codes,
                   a.names[0], 1, a.codes, a.names[0], 1, a.codes, a.names[0]);
  EXPECT_EQ(dialog.m_nModelNo, 30);
  EXPECT_EQ(dialog.m_nModelType, 5);
  EXPECT_EQ(dialog.m_nWhisperCount, 4);
  EXPECT_STREQ(dialog.m_szWhisperName[2], "Entry 2");
  EXPECT_EQ(dialog.m_strRange[5], "1,2");  // neither touches the range texts
}

TEST(HandOff, RangeTextsOverloadKeepsTheLastTwo) {
  CExpertDlg dialog;
  dialog.m_strRange[32] = "0,255";
  std::array<std::string, 32> ranges;
  for (int i = 0; i < 32; ++i) ranges[i] = std::to_string(i) + "," + std::to_string(i + 10);
  dialog.CopyData3(ranges);
  EXPECT_EQ(dialog.m_strRange[0], "0,10");
  EXPECT_EQ(dialog.m_strRange[31], "31,41");
  EXPECT_EQ(dialog.m_strRange[32], "0,255");
  EXPECT_TRUE(dialog.m_strRange[33].empty());
}

TEST(HandOff, ProjectorItemSkipsItsThirtyThirdRangeText) {
  CExpertDlg dialog;
  CProjectorItem item;
  for (int i = 0; i < 35; ++i) item.m_strRange[i] = "item " + std::to_string(i + 1);
  item.m_nModelType = 5;
  item.m_nModelNo = 31;
  item.m_nMyButtonCount = 2;
  item.m_nMyButtonCode[1] = 9;
  item.m_bOption2 = 1;
  item.m_nReserved = 77;
  item.m_nConnectKind = 1;
  item.m_nThirdValue = 23;
  item.m_nFourthValue = 500;
  std::strcpy(item.m_szSecondText, "secret");
  item.m_nAddress = 0xC0A80001;
  dialog.CopyData(&item);
  EXPECT_EQ(dialog.m_strRange[0], "item 1");
  EXPECT_EQ(dialog.m_strRange[31], "item 32");
  EXPECT_EQ(dialog.m_strRange[32], "item 34");
  EXPECT_EQ(dialog.m_strRange[33], "item 35");
  EXPECT_EQ(dialog.m_nMyButtonCode[1], 9);
  EXPECT_EQ(dialog.m_bOption2, 1);
  EXPECT_EQ(dialog.m_nReserved, 77);
  EXPECT_STREQ(dialog.m_pjt.m_szAddress, "192.168.0.1");
  EXPECT_EQ(dialog.m_pjt.m_nThirdValue, 23);
  EXPECT_EQ(dialog.m_pjt.m_nFourthValue, 500);
  EXPECT_STREQ(dialog.m_pjt.m_szSecondText, "secret");
}

TEST(HandOff, ModelInfoUsesTheChosenConnectionEntry) {
  CExpertDlg dialog;
  CModelInfo info;
  info.m_strName = "Lobby";
  info.m_nModelType = 3;
  info.m_nModelNo = 47;
  info.m_nConnectKind[2] = 0;
  info.m_nPortIndex[2] = 4;
  std::strcpy(info.m_szAddress[1], "10.1.1.1");
  info.m_strRange[33] = "1,9";
  dialog.CopyData(&info, 2);
  EXPECT_EQ(dialog.m_strProjectorName, "Lobby");
  EXPECT_EQ(dialog.m_nModelNo, 47);
  EXPECT_EQ(dialog.m_strRange[33], "1,9");
  EXPECT_EQ(dialog.m_pjt.m_nPortIndex, 4);
  EXPECT_STREQ(dialog.m_pjt.m_szAddress, "");

  dialog.CopyData(&info, 9);  // no such entry: the connection data stays
  EXPECT_EQ(dialog.m_pjt.m_nPortIndex, 4);
}

TEST(HandOff, NamesFilledToTheLastByteAreStillTerminated) {
  CExpertDlg dialog;
  CProjectorItem item;
  std::memset(item.m_szInputName, 'A', sizeof item.m_szInputName);
  std::memset(item.m_szSecondText, 'B', sizeof item.m_szSecondText);
  dialog.CopyData(&item);
  EXPECT_EQ(std::strlen(dialog.m_szInputName[0]), 63u);
  EXPECT_EQ(std::strlen(dialog.m_pjt.m_szSecondText), 63u);
}

}  // namespace
