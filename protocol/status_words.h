#pragma once
// The eight status words of a received Group 101, as every reader of them takes them. A word the
// frame did not carry reads 0: a short frame never shows bits of an earlier one. The bits are
// named in the word classes of protocol/navigation_groups.h.

#include <cstdint>

class CGroup101;

// The words in the order the group carries them.
struct SStatus_words {
    std::uint32_t general_a = 0;
    std::uint32_t general_b = 0;
    std::uint32_t general_c = 0;
    std::uint32_t fdir_level_1 = 0;
    std::uint32_t fdir_level_2 = 0;
    std::uint32_t fdir_level_3 = 0;
    std::uint32_t fdir_level_4 = 0;
    std::uint32_t fdir_level_5 = 0;
};

SStatus_words status_words_of(const CGroup101 &status);
