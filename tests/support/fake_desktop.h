#pragma once

#include <deque>
#include <vector>

#include "core/desktop.h"

namespace hashwell::test {

// An in-memory desktop for core tests: it records every message box and answers from a
// script (OK, or No for a Yes/No question, when the script is empty).
class FakeDesktop : public core::Desktop {
public:
    platform::MessageAnswer ShowMessageBox(const platform::MessageBoxRequest& box) override {
        boxes.push_back(box);
        if (!answers.empty()) {
            const platform::MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return box.buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                           : platform::MessageAnswer::No;
    }

    std::vector<platform::MessageBoxRequest> boxes;
    std::deque<platform::MessageAnswer> answers;
};

}  // namespace hashwell::test
