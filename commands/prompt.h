// The message box of the commands: task-modal unless asked to be
// system-modal, with a default caption, answering with a small code.
#pragma once

#include <windows.h>

// The answer codes, by the button chosen.
enum AnswerCode : int {
  kAnswerOk = 0,
  kAnswerCancel = 1,
  kAnswerAbort = 2,
  kAnswerRetry = 3,
  kAnswerIgnore = 4,
  kAnswerYes = 5,
  kAnswerNo = 6,
};

// The caption when none is given: "信息：".
extern const char kDefaultPromptCaption[];

// Shows message (null shows as empty) with MessageBoxA; caption and owner
// may be null. Returns the answer code of the button chosen.
int ShowPrompt(const char* message, UINT style, const char* caption, HWND owner);

// The rules of ShowPrompt, apart from the box itself.
// The style MessageBoxA gets: MB_TASKMODAL added unless MB_SYSTEMMODAL is in.
UINT PromptStyle(UINT style);
// The answer code of what MessageBoxA returned; 0 for anything unknown.
int AnswerCodeOf(int messageBoxResult);

// The box itself: MessageBoxA, unless a test has put a double in its place.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
extern MessageBoxFunction showMessageBox;
