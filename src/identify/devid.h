// Model identification: the short AT exchanges that ask an adapter what it is, and the mapping of
// its model lines to the model and extended model codes of the identification tables.
#pragma once

#include "src/identify/DeviceTable.h"
#include "src/serial/Urswin32.h"

#include <cstddef>

// devid_Identify results (the port search adds its own for ports that are busy or absent).
inline constexpr int devid_kIdentified = 0;
inline constexpr int devid_kNotIdentified = 3;
// A ZANDI-TA or ZOBRA-TA that did not answer AT%I.
inline constexpr int devid_kOptionQueryFailed = 7;
// A ZANDI-TA or ZOBRA-TA whose AT%I is nonzero.
inline constexpr int devid_kOptionPresent = 8;

// Reply buffer sizes of one identification, NUL included.
inline constexpr size_t devid_kShortReplySize = 20; // attention and echo
inline constexpr size_t devid_kModelReplySize = 84; // ATI2 and ATI20
inline constexpr size_t devid_kOptionReplySize = 8; // AT%I

// Sends `command` and collects the first line after its echo into `reply` (at most
// `capacity` - 1 characters are kept, the rest of a longer line is dropped), until the final
// "OK\r\n" has been seen; the reply is then trimmed. Returns 1, or 0 when the write failed, the
// `seconds` ran out or a read timed out (the reply is then unspecified but terminated). Waits for
// input without using the processor.
int devid_SendCommand(urs_Port* port, char* reply, size_t capacity, int seconds,
                      const char* command);

// Removes tabs, line feeds, carriage returns and blanks from both ends of `text`, in place.
void devid_TrimReply(char* text);

// devid_SendCommand with the fixed commands "AT\r", "ATE1V1Q0\r", "ATI2\r", "ATI20\r" and
// "AT%I\r".
int devid_Attention(urs_Port* port, char* reply, size_t capacity, int seconds);
int devid_SetEcho(urs_Port* port, char* reply, size_t capacity, int seconds);
int devid_GetModelInformation(urs_Port* port, char* reply, size_t capacity, int seconds);
int devid_GetExtendedModelInformation(urs_Port* port, char* reply, size_t capacity, int seconds);
int devid_GetOptionInformation(urs_Port* port, char* reply, size_t capacity, int seconds);

// The code of the first row of `table` whose name occurs in the upper-cased `reply`;
// devid_kUnknown when none does.
int devid_GetModel(const char* reply, const ModelCodeEntry* table);

// Identifies the adapter on an open port set up at 57600 8-N-1, each exchange but the first
// bounded by `seconds`. Returns devid_kIdentified, devid_kNotIdentified, devid_kOptionQueryFailed
// or devid_kOptionPresent. `model` and `extendedModel` receive the codes as far as they were
// reached (unchanged when the adapter gave no model line).
int devid_Identify(urs_Port* port, int* model, int* extendedModel, int seconds);
