#include "templates/parameter_requests.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "templates/expanded_text.h"

namespace templates {

MergedRequests MergeRequests(const std::vector<AskRecord>& asks) {
    MergedRequests merged;
    std::unordered_map<std::string_view, std::size_t> byPrompt;
    for (const AskRecord& ask : asks) {
        const auto [at, added] = byPrompt.try_emplace(ask.prompt, merged.requests.size());
        if (added)
            merged.requests.push_back({ask.prompt, ask.defaultValue, {}});
        merged.requests[at->second].positions.push_back(ask.position);
        merged.requestOfAsk.push_back(at->second);
    }
    // Recorded oldest first; a request lists its latest position first.
    for (ParameterRequest& request : merged.requests)
        std::reverse(request.positions.begin(), request.positions.end());
    return merged;
}

FilledText InsertAnswers(const Expansion& expansion, const MergedRequests& merged) {
    // The asks are in offset order already, so one walk puts every answer in place.
    FilledText filled;
    const std::string& text = expansion.text;
    std::size_t copied = 0;
    for (std::size_t i = 0; i <= expansion.asks.size(); ++i) {
        if (expansion.caretRequested && i == expansion.asksBeforeCaret) {
            filled.text.append(text, copied, expansion.caretOffset - copied);
            copied = expansion.caretOffset;
            filled.caretOffset = filled.text.size();
        }
        if (i == expansion.asks.size())
            break;
        const std::size_t position = expansion.asks[i].position;
        filled.text.append(text, copied, position - copied);
        copied = position;
        filled.text += merged.requests[merged.requestOfAsk[i]].value;
    }
    filled.text.append(text, copied);
    return filled;
}

CaretPlace PlaceCaret(const std::string& text, std::size_t offset, CaretPlace top) {
    TextEnd end;
    end.Advance(std::string_view(text).substr(0, offset));
    CaretPlace place{top.line + end.lineBreaks, 1 + end.width};
    if (end.lineBreaks == 0)
        place.column += top.column - 1;
    return place;
}

}  // namespace templates
