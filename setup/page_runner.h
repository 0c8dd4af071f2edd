// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's pages as its flow sees them: each page runs modally and ends with the id of
// the button that closed it. The real runner shows Qt dialogs; tests script the answers.
#include <cstdint>
#include <functional>
#include <string>

namespace kiva::setup {

// Each page is named by its template number.
enum class PageId {
    Welcome = 129,
    Destination = 130,
    Error = 131,
    InsertDisk = 132,
    Success = 133,
    Licence = 134,
    Progress = 135,
    ConfirmExit = 139,
    DiskSpace = 140,
    ExistingCopy = 141,
};

// Button ids, which are also the results of the pages they end.
namespace result {
inline constexpr int kOk = 1;
inline constexpr int kContinue = 1000;
inline constexpr int kExitSetup = 1001;
inline constexpr int kAccept = 1004;
inline constexpr int kNo = 1005;
inline constexpr int kAbortSetup = 1008;
inline constexpr int kDone = 1009;
inline constexpr int kBack = 1011;
inline constexpr int kResume = 1013;
}  // namespace result

// What a page's Continue does with the text of its edit: nothing, refuse it with a message while
// the page stays open, or accept it (possibly completed) and end the page.
struct ContinueCheck {
    enum class Outcome { Stay, Refuse, Accept } outcome = Outcome::Stay;
    std::string text;  // the message for Refuse, the accepted text for Accept
};
using ContinueChecker = std::function<ContinueCheck(const std::string& editText)>;

struct PageRequest {
    PageId page = PageId::Error;
    std::string text;               // the edit's preset text, or the error page's message
    ContinueChecker checkContinue;  // for pages whose Continue checks the edit first
};

struct PageOutcome {
    int result = 0;    // the id of the button that ended the page, or another value
    std::string text;  // the edit's text as accepted
};

class PageRunner {
public:
    virtual ~PageRunner() = default;
    virtual PageOutcome RunPage(const PageRequest& request) = 0;

    // The modeless progress page: created once, then shown and hidden; onAbortSetup runs when
    // its Abort Setup button is pressed.
    virtual void CreateProgressPage(std::function<void()> onAbortSetup) = 0;
    virtual void ShowProgressPage(bool visible) = 0;
    virtual void SetProgressFile(const std::string& destName) = 0;
    virtual void SetProgressPosition(std::int64_t position) = 0;
    // Lets waiting input and repaints happen during a long copy.
    virtual void ProcessEvents() = 0;
    virtual void Wait(int milliseconds) = 0;
};

}  // namespace kiva::setup
