#pragma once
// The message log's reading of the computer's status words: which line each change of a status
// bit adds, in the order the lines are added. Standard library only.

#include <array>
#include <cstdint>
#include <vector>

// The status words of Group 101 that are logged, in the order their changes are logged.
enum EStatus_word : std::uint8_t {
    general_status_a,
    general_status_b,
    general_status_c,
    fdir_level_1,
    fdir_level_2,
    fdir_level_3,
    fdir_level_4,
    fdir_level_5,
    status_word_count
};

using Status_words = std::array<std::uint32_t, status_word_count>;

class CStatus_changes {
public:
    // How many Group 101 in a row must lack the TWAN solution before its loss is logged: a
    // solution that drops out for a moment is not news.
    static constexpr int twan_loss_confirmations = 6;

    // Replaces `texts` with the string numbers of the lines that the change from the previous
    // words to `words` adds, in table order, and keeps `words` as the previous ones.
    void update(Status_words words, std::vector<int> &texts);
    // Back to the start: all words 0.
    void reset();

private:
    void debounce_twan_solution(Status_words &words);

    Status_words m_previous{};
    int m_twan_loss_count = 0;
};
