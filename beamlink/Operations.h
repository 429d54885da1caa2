#pragma once
// The one table that maps every operation of CPjtInterface to a protocol
// request: which action, which command code, how its arguments travel and
// how its result is reported to the caller.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "beamlink/Protocol.h"

namespace beamlink {

// How the caller's arguments travel, named in the order the caller passes
// them (the interface and result pointers left out). Whatever a shape does
// not fill stays at the row's fixed argument and value.
enum class ArgumentShape : std::uint8_t {
  CodeAndValue,         // Get/Set/Inc/Dec(code, value, ...): the caller names the code; value travels
  None,                 // ExecLampTimeReset(), GetMirror(&out): only the row's fixed argument and value
  Value,                // SetBrightness(v): value v
  AspectPosition,       // SetAspect(position): the code at that position of the CopyAspectData list
  GammaPosition,        // SetGamma(position): the code at that position of the CopyGammaData list
  VideoFormatPosition,  // SetVideoFormat(position): 10, 4, 5, 9, 2, 8, 7 (auto, NTSC, PAL, SECAM, ...)
  StartupPosition,      // SetStartup(position): 0, 1, 32
  PinPInputPosition,    // SetPinPInput(position): 1, 2, 5 (video, S-video, component)
  PositionPlusOffset,   // SetVideoNR(position, offset): value position + offset
  RgbInPosition,        // SetRgbIn1(position, flag): value position + 2; argument the flag
  ValueAndFlag,         // SetAudioM1D(v, flag): value v; argument the flag (0 or 1)
  MemoryPosition,       // SetMyMemory(position): 0..3 load (code), 4..7 save (code + 1); argument memory 1..4
  Input,                // GetInputSrcVolume(input, &out): argument the input
  InputAndValue,        // SetVolumeEachSrc(input, v): argument the input; value v
  VideoInput,           // GetVideoFormat(composite, &out): argument 1 composite input, 2 S-video input
  Colour,               // IncrementColorTempGain(colour, current): code + colour (0 red, 1 green, 2 blue)
  Point,                // ExecUserGammaPReset(point): code + point - 1 (points 1..8)
  RgbInput,             // GetRgbIn(input, &out): code + input - 1 (inputs 1, 2)
  CurrentValue,         // IncrementAutoPowerOff(current): nothing travels; `current` is the answer on failure
};

// What the caller gets back.
enum class ResultShape : std::uint8_t {
  GenericOne,        // int: 1 on success, 0 on failure
  Flag,              // bool: true on success
  ZeroIsSuccess,     // int: 0 on success, -1 on failure
  NonZeroIsSuccess,  // int: 1 on success, 0 on failure
  Nothing,           // void
  ValueItself,       // signed 16-bit raw value; on failure -1, or the current value for CurrentValue rows
  ShownValueItself,  // signed 16-bit raw value - 128; on failure the current value
};

struct OperationInfo {
  const char* name;
  Action action;
  std::uint16_t code;  // a setting's code; for Execute, the code of the setting it resets (or one of our own)
  ArgumentShape arguments;
  ResultShape result;
  bool writesThroughPointer = false;  // the value read (or stepped to) is written through the caller's pointer
  std::uint16_t argument = 0;         // the request's argument unless the shape fills it
  std::uint16_t value = 0;            // the request's value unless the shape fills it
};

// Every row, the generic Get, Set, Inc and Dec first. Names are unique
// except for IncrementAutoPowerOff and DecrementAutoPowerOff, which each have
// a pointer form and a form that takes and returns the value.
std::span<const OperationInfo> AllOperations();
// The first row of that name (for the two step names, the pointer form), or null.
const OperationInfo* FindOperation(std::string_view name);
const OperationInfo* FindOperation(std::string_view name, ArgumentShape arguments);

// The lists that turn aspect and gamma positions into projector codes.
struct PositionLists {
  std::span<const int> aspect;
  std::span<const int> gamma;
};

// The request `op` sends for the caller's arguments, given in the order the
// caller passes them (flags as 0 or 1; the interface and result pointers left
// out). nullopt when an argument is missing or out of range, or a value
// would not fit in 16 bits: the call then fails without sending anything.
// The tag is left at 0 for the connection to set.
std::optional<Request> BuildRequest(const OperationInfo& op, std::span<const long long> args,
                                    const PositionLists& lists = {});

// True when the request's argument says which instance of the setting is
// meant (an input, or the composite or S-video input), so that a projector
// keeps one value per argument; otherwise it only modifies the request.
bool ArgumentSelectsInstance(ArgumentShape shape);

// Short descriptions for people (documentation, logs).
const char* ActionName(Action action);
const char* Describe(ArgumentShape shape);
const char* Describe(ResultShape shape);

}  // namespace beamlink
