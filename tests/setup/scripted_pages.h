// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A page runner that plays a user from a script and records what the installer showed.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "setup/page_runner.h"
#include "setup/program_group.h"

namespace kiva::setup::testing {

// One thing the user does on a page: press a button, after typing into the page's edit.
struct Step {
    PageId page;
    int button;
    std::optional<std::string> typed;  // the edit's text when the button is pressed; the preset if none
};

class ScriptedPages : public PageRunner {
public:
    explicit ScriptedPages(std::deque<Step> script) : script_(std::move(script)) {}

    std::vector<PageRequest> shown;     // every page run, with its preset text or message
    std::vector<std::string> messages;  // error pages and refusals, in order
    std::vector<std::string> events;    // the progress page and waits, in order
    std::vector<std::int64_t> positions;
    std::vector<std::string> files;     // names shown after "Installing:"
    int abortAtEvent = -1;              // presses Abort Setup during this call of ProcessEvents
    int processedEvents = 0;

    bool ScriptDone() const { return script_.empty(); }

    PageOutcome RunPage(const PageRequest& request) override {
        shown.push_back({request.page, request.text, {}});
        if (request.page == PageId::Error) {
            messages.push_back(request.text);
            return {result::kOk, {}};
        }
        for (;;) {
            if (script_.empty()) {
                ADD_FAILURE() << "no step left for page " << static_cast<int>(request.page);
                return {result::kExitSetup, {}};
            }
            const Step step = script_.front();
            script_.pop_front();
            EXPECT_EQ(step.page, request.page) << "after " << shown.size() << " pages";
            const std::string text = step.typed.value_or(request.text);
            if (step.button != result::kContinue || !request.checkContinue) return {step.button, text};
            const ContinueCheck check = request.checkContinue(text);
            if (check.outcome == ContinueCheck::Outcome::Accept) return {step.button, check.text};
            // The page stays open: the next step acts on it again.
            messages.push_back(check.outcome == ContinueCheck::Outcome::Refuse ? check.text : "(nothing happened)");
        }
    }

    void CreateProgressPage(std::function<void()> onAbortSetup) override {
        onAbort_ = std::move(onAbortSetup);
        events.push_back("progress created");
    }
    void ShowProgressPage(bool visible) override { events.push_back(visible ? "progress shown" : "progress hidden"); }
    void SetProgressFile(const std::string& destName) override { files.push_back(destName); }
    void SetProgressPosition(std::int64_t position) override { positions.push_back(position); }
    void ProcessEvents() override {
        if (processedEvents++ == abortAtEvent && onAbort_) onAbort_();
    }
    void Wait(int milliseconds) override { events.push_back("wait " + std::to_string(milliseconds)); }

private:
    std::deque<Step> script_;
    std::function<void()> onAbort_;
};

// Records the conversations and commands sent to the program manager.
class RecordingManager : public ProgramManager {
public:
    std::vector<std::string> commands;
    int conversations = 0;
    bool reachable = true;

    bool Connect() override {
        if (reachable) ++conversations;
        return reachable;
    }
    void Execute(const std::string& command) override { commands.push_back(command); }
    void Disconnect() override {}
    std::vector<std::string> ItemsNotCreated() const override { return notCreated; }
    std::vector<std::string> notCreated;  // the titles the manager says it could not create
};

}  // namespace kiva::setup::testing
