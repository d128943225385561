// Tintwell tests - scripted stand-ins for the services.
#include "support/FakeServices.h"

MsgResult FakeMessageBoxService::show(const MessageRequest &request)
{
    shown.push_back(request);
    if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel
               ? MsgResult::Yes
               : MsgResult::OK;
}
