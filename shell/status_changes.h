#pragma once
// The message log's reading of the computer's status words: which line each change of a status
// bit adds, in the order the lines are added. Standard library and protocol only.

#include "protocol/status_words.h"

#include <cstddef>
#include <vector>

class CStatus_changes {
public:
    // How many Group 101 in a row must lack the TWAN solution before its loss is logged: a
    // solution that drops out for a moment is not news.
    static constexpr int twan_loss_confirmations = 6;

    // The most lines one update adds: one per row of the tables.
    static std::size_t most_lines();

    // Replaces `texts` with the string numbers of the lines that the change from the previous
    // words to `words` adds, in table order, and keeps `words` as the previous ones.
    void update(SStatus_words words, std::vector<int> &texts);
    // Back to the start: all words 0.
    void reset();

private:
    void debounce_twan_solution(SStatus_words &words);

    SStatus_words m_previous;
    int m_twan_loss_count = 0;
};
