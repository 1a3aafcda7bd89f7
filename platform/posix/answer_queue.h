// Answers given in advance (--answer), consumed in order by whatever asks first.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace posix {

class AnswerQueue {
  public:
    AnswerQueue() = default;
    explicit AnswerQueue(std::vector<std::string> answers)
        : answers_(answers.begin(), answers.end()) {}

    std::optional<std::string> Next() {
        if (answers_.empty())
            return std::nullopt;
        std::string answer = std::move(answers_.front());
        answers_.pop_front();
        return answer;
    }
    bool Empty() const { return answers_.empty(); }
    // The answer Next would give, left in the queue; none when empty.
    const std::string* Peek() const { return answers_.empty() ? nullptr : &answers_.front(); }

  private:
    std::deque<std::string> answers_;
};

}  // namespace posix
