#include "commands/prompt.h"

const char kDefaultPromptCaption[] = "信息：";

MessageBoxFunction showMessageBox = MessageBoxA;

UINT PromptStyle(UINT style) {
  return (style & MB_SYSTEMMODAL) ? style : style | MB_TASKMODAL;
}

int AnswerCodeOf(int messageBoxResult) {
  switch (messageBoxResult) {
    case IDOK: return kAnswerOk;
    case IDCANCEL: return kAnswerCancel;
    case IDABORT: return kAnswerAbort;
    case IDRETRY: return kAnswerRetry;
    case IDIGNORE: return kAnswerIgnore;
    case IDYES: return kAnswerYes;
    case IDNO: return kAnswerNo;
    default: return kAnswerOk;  // 0, the box failing to appear, included
  }
}

int ShowPrompt(const char* message, UINT style, const char* caption, HWND owner) {
  const int result = showMessageBox(owner, message ? message : "",
                                    caption ? caption : kDefaultPromptCaption,
                                    PromptStyle(style));
  return AnswerCodeOf(result);
}
