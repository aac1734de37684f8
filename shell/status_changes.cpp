#include "shell/status_changes.h"

namespace {

constexpr std::uint32_t bit(unsigned number)
{
    return std::uint32_t{1} << number;
}

// One row of the tables: the bits it watches, and the texts added when one of them is set
// afterwards, or when all are clear afterwards (0: no line).
struct SStatus_row {
    EStatus_word word;
    std::uint32_t mask;
    int set_text;
    int cleared_text;
};

constexpr std::uint32_t twan_solution_in_use = bit(9);
constexpr std::uint32_t primary_gnss_modes =
    bit(18) | bit(19) | bit(20) | bit(21) | bit(22) | bit(31);

constexpr SStatus_row status_rows[] = {
    {general_status_a, bit(0), 12601, 12602},
    {general_status_a, bit(1), 12603, 12604},
    {general_status_a, bit(2), 12605, 12606},
    {general_status_a, bit(3), 12607, 0},
    {general_status_a, bit(4), 12609, 12610},
    {general_status_a, bit(5), 12611, 12612},
    {general_status_a, bit(6), 12613, 12614},
    {general_status_a, bit(7), 12615, 12616},
    {general_status_a, bit(9), 12635, 12636},
    {general_status_a, bit(10), 12637, 12638},
    {general_status_a, bit(12), 12619, 12620},
    {general_status_a, bit(13), 12621, 12622},
    {general_status_a, bit(14), 12623, 12624},
    {general_status_a, bit(15), 12625, 0},
    {general_status_a, bit(17), 12629, 0},
    {general_status_a, bit(18), 12631, 0},
    {general_status_a, bit(19), 12633, 12634},

    {general_status_b, bit(0), 12700, 12701},
    {general_status_b, bit(1), 12702, 12703},
    {general_status_b, bit(2), 12704, 12705},
    {general_status_b, bit(3), 12706, 12707},
    {general_status_b, bit(4), 12709, 0},
    {general_status_b, bit(5), 12711, 0},
    {general_status_b, bit(6), 12713, 0},
    {general_status_b, bit(7), 12715, 0},
    {general_status_b, bit(8), 12717, 12716},
    {general_status_b, twan_solution_in_use, 12719, 12718},
    {general_status_b, bit(10), 12721, 12720},
    {general_status_b, bit(11), 12723, 12722},
    {general_status_b, bit(12), 12725, 0},
    {general_status_b, bit(13), 12726, 12727},
    {general_status_b, bit(14), 12728, 0},
    {general_status_b, bit(15), 12730, 12731},
    {general_status_b, bit(16), 12732, 0},
    {general_status_b, bit(17), 12734, 0},
    {general_status_b, bit(18), 12736, 0},
    {general_status_b, bit(19), 12738, 0},
    {general_status_b, bit(20), 12740, 0},
    {general_status_b, bit(21), 12742, 0},
    {general_status_b, bit(22), 12744, 0},
    {general_status_b, primary_gnss_modes, 0, 12763},
    {general_status_b, bit(23), 12746, 12747},
    {general_status_b, bit(24), 12748, 12749},
    {general_status_b, bit(25), 12751, 12750},
    {general_status_b, bit(26), 12752, 0},
    {general_status_b, bit(27), 12755, 0},
    {general_status_b, bit(28), 12757, 0},
    {general_status_b, bit(29), 12758, 0},
    {general_status_b, bit(30), 12760, 0},
    {general_status_b, bit(31), 12764, 0},

    {general_status_c, bit(0), 12800, 12801},
    {general_status_c, bit(1), 12802, 12803},
    {general_status_c, bit(6), 12804, 12805},

    {fdir_level_1, bit(0), 12900, 12901},
    {fdir_level_1, bit(1), 12902, 12903},
    {fdir_level_1, bit(2), 12904, 12905},
    {fdir_level_1, bit(5), 12906, 12907},
    {fdir_level_1, bit(6), 12908, 12909},
    {fdir_level_1, bit(7), 12910, 12911},
    {fdir_level_1, bit(8), 12914, 12915},
    {fdir_level_1, bit(9), 12912, 12913},
    {fdir_level_1, bit(10), 12916, 12917},
    {fdir_level_1, bit(11), 12918, 12919},
    {fdir_level_1, bit(12), 12920, 12921},
    {fdir_level_1, bit(13), 12923, 12922},
    {fdir_level_1, bit(14), 12924, 12925},
    {fdir_level_1, bit(15), 12926, 12927},
    {fdir_level_1, bit(20), 12928, 12929},
    {fdir_level_1, bit(21), 12930, 12931},
    {fdir_level_1, bit(25), 12932, 12933},
    {fdir_level_1, bit(26), 12934, 12935},
    {fdir_level_1, bit(27), 12936, 12937},

    {fdir_level_2, bit(0), 13000, 13001},
    {fdir_level_2, bit(1), 13002, 13003},
    {fdir_level_2, bit(2), 13004, 13005},
    {fdir_level_2, bit(3), 13006, 13007},
    {fdir_level_2, bit(4), 13008, 13009},

    {fdir_level_3, bit(0), 13400, 13401},

    {fdir_level_4, bit(0), 13100, 13101},
    {fdir_level_4, bit(1), 13102, 13103},
    {fdir_level_4, bit(2), 13104, 13105},
    {fdir_level_4, bit(3), 13106, 13107},
    {fdir_level_4, bit(4), 13108, 13109},

    {fdir_level_5, bit(0), 13200, 13201},
    {fdir_level_5, bit(1), 13202, 13203},
    {fdir_level_5, bit(2), 13204, 13205},
    {fdir_level_5, bit(3), 13206, 13207},
    {fdir_level_5, bit(4), 13208, 13209},
    {fdir_level_5, bit(5), 13210, 13211},
    {fdir_level_5, bit(6), 13212, 13213},
    {fdir_level_5, bit(7), 13214, 13215},
};

} // namespace

void CStatus_changes::update(Status_words words, std::vector<int> &texts)
{
    texts.clear();
    debounce_twan_solution(words);
    for (const SStatus_row &row : status_rows) {
        const std::uint32_t before = m_previous[row.word] & row.mask;
        const std::uint32_t after = words[row.word] & row.mask;
        if (before == after) {
            continue;
        }
        const int text = after != 0 ? row.set_text : row.cleared_text;
        if (text != 0) {
            texts.push_back(text);
        }
    }
    m_previous = words;
}

// A TWAN solution that was in use and is missing now counts as still in use until it has been
// missing from enough Group 101 in a row.
void CStatus_changes::debounce_twan_solution(Status_words &words)
{
    const bool lost_now = (words[general_status_b] & twan_solution_in_use) == 0 &&
                          (m_previous[general_status_b] & twan_solution_in_use) != 0;
    if (!lost_now) {
        m_twan_loss_count = 0;
        return;
    }
    ++m_twan_loss_count;
    if (m_twan_loss_count < twan_loss_confirmations) {
        words[general_status_b] |= twan_solution_in_use;
    } else {
        m_twan_loss_count = twan_loss_confirmations - 1;
    }
}

void CStatus_changes::reset()
{
    m_previous = {};
    m_twan_loss_count = 0;
}
