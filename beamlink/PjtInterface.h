#pragma once
// The projector interface object: one per dialog. It keeps the connection data
// the host handed over and the lists it needs to turn list positions into
// projector values, and carries every operation to the projector over one
// connection of its own.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "beamlink/CallTrace.h"
#include "beamlink/Connection.h"
#include "beamlink/ConnectionHolder.h"
#include "beamlink/HostRecords.h"
#include "beamlink/Operations.h"

// Every operation is synchronous: it returns when the projector has answered
// or the connection gave up (connect timeout plus reply timeout at most). A
// failed operation leaves the caller's result untouched. Values travel as
// unsigned 16-bit numbers; a value or position that cannot travel fails the
// call without sending anything.
class CPjtInterface {
 public:
  CPjtInterface();
  // Copies every data member, the transport factory and the observer; a copy
  // never shares a connection: it opens its own when first used. Assigning
  // drops the target's connection.
  CPjtInterface(const CPjtInterface&) = default;
  CPjtInterface& operator=(const CPjtInterface&) = default;
  ~CPjtInterface();

  // Connection data: kind 1 is the network (address text, third value the TCP
  // port), any other kind a serial port (port index, third value the baud
  // rate). The fourth value is the reply timeout in milliseconds, the second
  // text the password. Texts are cut to fit their 64-byte slots. Drops the
  // current connection.
  void CopyData(int connectKind, int portIndex, int thirdValue, const char* address, int fourthValue,
                const char* secondText);
  // The aspect and gamma codes by list position. Counts beyond 32 count as 32,
  // negative counts as 0.
  void CopyAspectData(int count, const int* codes);
  void CopyGammaData(int count, const int* codes);
  // The model's PJLink input of each of its `count` inputs (at most 7): the
  // input codes and their slots, an empty slot or one naming no PJLink input
  // leaving that code to the default table. Drops the current connection.
  void CopyPjLinkInputs(int count, const int* codes, const char (*inputs)[kPjLinkInputSize]);

  // Where connections come from; an empty factory restores the default (TCP
  // or serial). `peer` names where that factory really connects when it
  // does not follow the connection data (a test route), so messages name it.
  // Drops the current connection.
  void SetTransportFactory(beamlink::TransportFactory factory, std::string peer = {});
  // With a password, still talk to a projector that asks for none (by default
  // such a projector is refused: anyone on the path could pose as it).
  void AcceptProjectorsWithoutPassword(bool accept) { m_acceptNoPassword = accept; }
  // Receives every operation after it returns (the Copy operations, which only
  // store data, are not reported). Must not throw.
  void SetCallObserver(std::function<void(const beamlink::CallTrace&)> observer);
  // Why the last failed operation failed, for people.
  const std::string& LastError() const { return m_lastError; }
  // Set when the last exchange with the projector failed in the link itself
  // (no answer, refused, closed, garbled); cleared by the next exchange that
  // gets a reply, refusals included. Calls that send nothing leave it alone.
  const std::optional<beamlink::LinkProblem>& LinkProblem() const { return m_linkProblem; }
  // How many calls have failed in the link so far (held-off ones included),
  // so that a caller can tell whether its own calls met the link problem.
  unsigned long long LinkFailureCount() const { return m_linkFailures; }

  // Generic operations on a command code: 1 on success. `pjt` is the
  // interface the call acts on (the callers pass the object itself); null
  // fails the call.
  int Get(std::uint16_t code, int value, CPjtInterface* pjt, std::uint16_t* result);
  int Set(std::uint16_t code, int value, CPjtInterface* pjt);
  int Inc(std::uint16_t code, int value, CPjtInterface* pjt);
  int Dec(std::uint16_t code, int value, CPjtInterface* pjt);

  // Getters: true on success, the raw value written through `value`.
  bool GetInputSource(std::int16_t* value);
  bool GetMirror(std::int16_t* value);
  bool GetWhisper(std::int16_t* value);
  bool GetKeystoneV(std::int16_t* value);
  bool GetKeystoneH(std::int16_t* value);
  bool GetMyButton1(std::int16_t* value);
  bool GetMyButton2(std::int16_t* value);
  bool GetProgressive(std::int16_t* value);
  bool GetVideoNrVal(std::int16_t* value);
  bool Get3dycs(std::int16_t* value);
  bool GetColorSpace(std::int16_t* value);
  bool GetComponent(std::int16_t* value);
  bool GetVideoFormat(bool composite, std::int16_t* value);  // false: the S-video input
  bool GetM1d(std::int16_t* value);
  bool GetFrameLock(std::int16_t* value);
  bool GetRgbIn(int input, std::int16_t* value);  // input 1 or 2
  bool GetFrameLockComp1(std::int16_t* value);
  bool GetFrameLockComp2(std::int16_t* value);
  bool GetHDMI(std::int16_t* value);
  bool GetFrameLockHDMI(std::int16_t* value);
  bool GetSpeaker(std::int16_t* value);
  bool GetInputSrcVolume(int input, std::int16_t* value);
  bool GetInputSrcTreble(int input, std::int16_t* value);
  bool GetInputSrcBass(int input, std::int16_t* value);
  bool GetSRSWOW(int input, std::int16_t* value);
  bool GetAudioRGB1(std::int16_t* value);
  bool GetAudioRGB2(std::int16_t* value);
  bool GetAudioVideo(std::int16_t* value);
  bool GetAudioSVideo(std::int16_t* value);
  bool GetAudioComponent(std::int16_t* value);
  bool GetAudioMIU(std::int16_t* value);
  bool GetAudioM1D(std::int16_t* value);
  bool GetHDMIAudio(std::int16_t* value);
  bool GetAutoSearch(std::int16_t* value);
  bool GetAutoKeystone(std::int16_t* value);
  bool GetAutoOn(std::int16_t* value);
  bool GetAutoOff(std::int16_t* value);
  bool GetCCDisplay(std::int16_t* value);
  bool GetCCMode(std::int16_t* value);
  bool GetCCChannel(std::int16_t* value);
  bool GetAutoAdjustEnable(std::int16_t* value);
  bool GetIRRemoteFront(std::int16_t* value);
  bool GetIRRemoteRear(std::int16_t* value);
  bool GetIRRemoteTop(std::int16_t* value);
  bool GetIRREmoteFreqNormal(std::int16_t* value);
  bool GetIRRemoteFreqHigh(std::int16_t* value);
  bool GetFocusLock(std::int16_t* value);

  // Getters that return the raw value itself, or -1 when it cannot be read.
  std::int16_t GetColorTempGainR();
  std::int16_t GetColorTempGainG();
  std::int16_t GetColorTempGainB();
  std::int16_t GetColorTempOffsetR();
  std::int16_t GetColorTempOffsetG();
  std::int16_t GetColorTempOffsetB();
  std::int16_t GetUserGammaPoint(int point);  // point 1..8

  // Setters that report success.
  bool SetBrightness(int value);
  bool SetContrast(int value);
  bool SetColor(int value);
  bool SetTint(int value);
  bool SetSharpness(int value);
  bool SetKeystoneV(int value);
  bool SetKeystoneH(int value);
  bool SetWhisper(int value);
  bool SetMirror(int value);
  bool SetPowerOn();
  bool SetSpeaker(int value);
  bool SetStereo(int value);
  bool SetScreenType(int value);
  bool SetIRFront(int value);
  bool SetIRRear(int value);
  bool SetIRTop(int value);
  bool SetIPRemoteID(int value);
  bool SetAutoAdjustEnable(int value);
  bool SetLensType(int value);
  bool SetLensLock(int value);
  bool SetAutoPowerOn(int value);
  bool SetAutoPowerOff(int value);
  bool SetAutoSearch(int value);
  bool SetAutoKeystone(int value);
  bool SetOneTouch(int value);
  bool SetAudioRGB1(int value);
  bool SetAudioRGB2(int value);
  bool SetAudioVideo(int value);
  bool SetAudioSVideo(int value);
  bool SetAudioComponent(int value);
  bool SetAudioMIU(int value);
  bool SetAudioM1D(int value, bool flag);
  bool SetHDMIAudio(int value);
  bool SetVolumeEachSrc(int input, int value);
  bool SetInputSrcTreble(int input, int value);
  bool SetInputSrcBass(int input, int value);
  bool SetSRSWOW(int input, int value);
  bool SetMyButton1(int code);
  bool SetMyButton2(int code);
  bool SetIRRemoteFreqNormal(int value);
  bool SetIRRemoteFreqHigh(int value);
  bool SetFocusLock(int value);

  // Setters that return nothing.
  void SetPowerOff();
  void SetLanguage(int position);
  void SetAspect(int position);  // the aspect code at that position of the CopyAspectData list
  void SetGamma(int position);   // the gamma code at that position of the CopyGammaData list
  void SetBlank(int value);
  void SetMute(int value);
  void SetFreeze(int value);
  void SetPicturePosition(int position);
  void SetBlankColor(int code);
  void SetStartup(int position);  // positions 0, 1, 2 stand for 0, 1, 32
  void SetMyScreenSize(int position);
  void SetMyScreenLock(int position);
  void SetMessage(int position);
  void SetColorSpace(int position);
  void SetComponent(int position);
  void SetVideoFormat(int position);  // positions 0..6: auto, NTSC, PAL, SECAM, NTSC 4.43, M-PAL, N-PAL
  void SetCVideoFormat(int position);
  void SetSVideoFormat(int position);
  void Set3DYCS(int position);
  void SetVideoNR(int position, int offset);  // sends position + offset
  void SetFrameLock(int position);
  void SetProgressive(int position);
  void SetS2Aspect(int position);
  void SetPinPInput(int position);  // positions 0, 1, 2 stand for 1, 2, 5
  void SetPinPPosition(int position);
  void SetPinPAudio(int position);
  void SetPinPSize(int position);
  void SetBNC(int position);
  void SetHDTV(int position);
  void SetSyncOnG(int position);
  void SetBlack(int position);
  void SetMenuColor(int position);
  void SetDVI(int position);
  void SetM1D(int position);
  void SetRgbIn1(int position, bool flag);  // sends position + 2
  void SetRgbIn2(int position, bool flag);
  void SetFrameLockComp1(int position, bool flag);
  void SetFrameLockComp2(int position, bool flag);
  void SetHDMI(int position);
  void SetFrameLockHDMI(int position);
  void SetCCDisplay(int position);
  void SetCCMode(int position);
  void SetCCChannel(int channel);

  // My Memory: positions 0..3 load memory 1..4, 4..7 save it; non-zero on success.
  int SetMyMemory(int position);

  // Steps: true on success, the new raw value written through `value`.
  bool IncrementKeystoneV(std::int16_t* value);
  bool DecrementKeystoneV(std::int16_t* value);
  bool IncrementKeystoneH(std::int16_t* value);
  bool DecrementKeystoneH(std::int16_t* value);
  bool IncrementAutoPowerOff(std::int16_t* value);
  bool DecrementAutoPowerOff(std::int16_t* value);
  bool IncrementInputSrcVol(int input, std::int16_t* value);
  bool DecrementInputSrcVol(int input, std::int16_t* value);
  bool IncrementInputSrcTreb(int input, std::int16_t* value);
  bool DecrementInputSrcTreb(int input, std::int16_t* value);
  bool IncrementInputSrcBass(int input, std::int16_t* value);
  bool DecrementInputSrcBass(int input, std::int16_t* value);

  // Steps that take the current value and return the new one; the current
  // value comes back when the step fails.
  std::int16_t IncrementAutoPowerOff(std::int16_t current);
  std::int16_t DecrementAutoPowerOff(std::int16_t current);
  // Colour 0 red, 1 green, 2 blue; values as shown (raw - 128).
  std::int16_t IncrementColorTempGain(int colour, std::int16_t current);
  std::int16_t DecrementColorTempGain(int colour, std::int16_t current);
  std::int16_t IncrementColorTempOffset(int colour, std::int16_t current);
  std::int16_t DecrementColorTempOffset(int colour, std::int16_t current);

  // Resets: 0 on success, -1 on failure.
  int ExecBrightnessReset();
  int ExecContrastReset();
  int ExecColorReset();
  int ExecTintReset();
  int ExecSharpnessReset();
  int ExecColorBalRReset();
  int ExecColorBalGReset();
  int ExecColorBalBReset();
  int ExecVPosReset();
  int ExecHPosReset();
  int ExecHSizeReset();
  int ExecOverScanReset();
  int ExecKeyStoneReset();
  int ExecKeyStoneVReset();
  int ExecKeyStoneHReset();
  int ExecMenuPositionVReset();
  int ExecMenuPositionHReset();
  int ExecDZoomReset();
  int ExecElectricZoomReset();
  int ExecDShiftVReset();
  int ExecDShiftHReset();
  int ExecLampTimeReset();
  int ExecFilterTimeReset();
  // Resets that report true on success.
  bool ExecColorTempGainRReset();
  bool ExecColorTempGainGReset();
  bool ExecColorTempGainBReset();
  bool ExecColorTempOffsetRReset();
  bool ExecColorTempOffsetGReset();
  bool ExecColorTempOffsetBReset();
  bool ExecUserGammaPReset(int point);  // point 1..8

  // Actions.
  int ExecAutoAdjust();  // 0 on success, -1 on failure
  void ExecAutoKeyStone();

  // Read and written directly by the dialog and its pages.
  int m_nConnectKind = 0;
  int m_nPortIndex = 0;
  char m_szAddress[kHostNameSize] = {};
  BYTE m_bExtFlag = 0;
  int m_nPjtModelType = 0;
  // The text of the list item a page has just chosen, set before the matching
  // setter. It stays here: no operation sends it.
  std::string m_strSelItemText;

  // The rest of the connection data, and the lists.
  int m_nThirdValue = 0;
  int m_nFourthValue = 0;
  char m_szSecondText[kHostNameSize] = {};
  int m_nAspectCount = 0;
  int m_nAspectCode[kHostListSize] = {};
  int m_nGammaCount = 0;
  int m_nGammaCode[kHostListSize] = {};

 private:
  using Args = std::initializer_list<beamlink::TraceValue>;

  // Runs a generic operation on this object.
  int Generic(const char* name, bool interfaceGiven, std::uint16_t code, int value, std::uint16_t* result);
  // Runs the table row `name` (with that argument shape when two rows share
  // it) for the caller's arguments, reports it and returns what the caller
  // gets by the row's result convention.
  long long Invoke(const char* name, Args args, std::int16_t* out = nullptr);
  long long Invoke(const char* name, beamlink::ArgumentShape shape, Args args, std::int16_t current);
  long long Run(const beamlink::OperationInfo* op, const char* name, Args args, std::int16_t* out,
                std::int16_t current);
  // Sends the request and waits for its reply: the reply's value (0 when it
  // carries none) on success.
  std::optional<std::uint16_t> Exchange(const beamlink::OperationInfo& op, const beamlink::Request& request);
  beamlink::Endpoint CurrentEndpoint() const;
  void Report(const beamlink::CallTrace& trace) const;

  beamlink::TransportFactory m_factory;
  std::function<void(const beamlink::CallTrace&)> m_observer;
  std::string m_peer;
  bool m_acceptNoPassword = false;
  std::string m_lastError;
  std::optional<beamlink::LinkProblem> m_linkProblem;
  unsigned long long m_linkFailures = 0;
  std::vector<beamlink::pjlink::InputLink> m_pjlinkInputs;
  beamlink::ConnectionHolder m_connection;  // a copy starts without one
};
