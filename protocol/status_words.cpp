#include "protocol/status_words.h"

#include "protocol/navigation_groups.h"

namespace {

template <class TWord>
std::uint32_t word_of(const CGroup101 &status, const TWord &word)
{
    return status.holds(word) ? word.get() : 0u;
}

} // namespace

SStatus_words status_words_of(const CGroup101 &status)
{
    SStatus_words words;
    words.general_a = word_of(status, status.general_status_a());
    words.general_b = word_of(status, status.general_status_b());
    words.general_c = word_of(status, status.general_status_c());
    words.fdir_level_1 = word_of(status, status.fdir_level_1());
    words.fdir_level_2 = word_of(status, status.fdir_level_2());
    words.fdir_level_3 = word_of(status, status.fdir_level_3());
    words.fdir_level_4 = word_of(status, status.fdir_level_4());
    words.fdir_level_5 = word_of(status, status.fdir_level_5());
    return words;
}
