#include "views/Form_iin_status.h"

#include <QTabWidget>

namespace {

constexpr int data_rows = 1 + static_cast<int>(CIin_task_group::data_count);
// Floating values with six decimals.
const CText_rule six_decimals = CText_rule::picture("0.000000");

// The "Data" values only come with a long form of the group.
template <class TGroup>
bool carries_data(TGroup &group)
{
    return group.carries_data();
}

} // namespace

TFormIinStatus::TFormIinStatus(QWidget *parent) : TFormTableView("FormIinStatus", parent)
{
    setWindowTitle(tr("Integrated Navigator Status"));
    set_design_text("0");
    auto &iin = group<CGroup20106>();
    auto &update = group<CGroup20107>();
    auto &prefilter = group<CGroup20108>();
    auto &extrapolate = group<CGroup20109>();
    m_data = &grid("Data", data_rows, {tr("IIN"), tr("Update"), tr("Prefilter"), tr("Extrap")});

    CView_page &iin_page = page(tr("IIN"));
    CView_box &iin_general = iin_page.box(tr("General Status"));
    iin_general.value(tr("File Open"), iin, &CGroup20106::fopen_error);
    iin_general.value(tr("IIN Restarts"), iin, &CGroup20106::iin_restarts);
    iin_general.value(tr("SNV Data Status"), iin, &CGroup20106::snv_data_status);
    iin_general.value(tr("IIN Runs"), iin, &CGroup20106::iin_runs);
    iin_general.value(tr("SDNAV Runs"), iin, &CGroup20106::sdnav_runs);
    iin_general.value(tr("Error Control Runs"), iin, &CGroup20106::error_control_runs);
    CView_box &iin_messages = iin_page.box(tr("Messages Received"));
    iin_messages.value(tr("GPS"), iin, &CGroup20106::msgs_from_gps);
    iin_messages.value(tr("IMU"), iin, &CGroup20106::msgs_from_imu);
    iin_messages.value(tr("IIN Extrapolate"), iin, &CGroup20106::msgs_from_extrap);
    iin_messages.value(tr("IIN Update"), iin, &CGroup20106::msgs_from_update);
    iin_messages.value(tr("Input Manger"), iin, &CGroup20106::msgs_from_imgr);
    iin_messages.value(tr("Bad IMU Data"), iin, &CGroup20106::bad_imu_data);
    iin_messages.value(tr("IMgr Messages Rejected"), iin, &CGroup20106::imgr_msgs_rejected);
    CView_box &iin_proxies = iin_page.box(tr("Proxies"));
    iin_proxies.value(tr("IMU Proxies Queued"), iin, &CGroup20106::imu_proxies_queued);
    iin_proxies.value(tr("IMU Proxy Exceptions"), iin, &CGroup20106::imu_proxy_exceptions);
    add_common_rows(iin_general, iin_page.box(tr("Miscellaneous")), iin, 0);

    CView_page &update_page = page(tr("Update"));
    CView_box &update_general = update_page.box(tr("General Status"));
    update_general.value(tr("File Open"), update, &CGroup20107::fopen_error);
    update_general.value(tr("IIN Mode"), update, &CGroup20107::iin_mode);
    update_general.value(tr("IIN Update Runs"), update, &CGroup20107::update_runs);
    CView_box &update_messages = update_page.box(tr("Messages Received"));
    update_messages.value(tr("IIN Prefilter"), update, &CGroup20107::msgs_from_prefilter);
    update_messages.value(tr("IIN Extrapolate"), update, &CGroup20107::msgs_from_extrap);
    update_messages.value(tr("IIN Mode"), update, &CGroup20107::iin_mode_proxies);
    CView_box &update_proxies = update_page.box(tr("Proxies"));
    update_proxies.value(tr("Prefilter Proxies Queued"), update,
                         &CGroup20107::prefilter_proxies_queued);
    update_proxies.value(tr("Extrap. Proxy Exceptions"), update,
                         &CGroup20107::extrap_proxies_queued);
    add_common_rows(update_general, update_page.box(tr("Miscellaneous")), update, 1);

    CView_page &prefilter_page = page(tr("Prefilter"));
    CView_box &prefilter_general = prefilter_page.box(tr("General Status"));
    prefilter_general.value(tr("File Open"), prefilter, &CGroup20108::fopen_error);
    prefilter_general.value(tr("IIN Prefilter Runs"), prefilter, &CGroup20108::prefilter_runs);
    CView_box &prefilter_messages = prefilter_page.box(tr("Messages Received"));
    prefilter_messages.value(tr("IIN"), prefilter, &CGroup20108::msgs_from_iin);
    prefilter_messages.value(tr("IIN Update"), prefilter, &CGroup20108::msgs_from_update);
    prefilter_messages.value(tr("TWAN Delayed"), prefilter, &CGroup20108::twan_msgs_delayed);
    prefilter_messages.value(tr("Input Manger"), prefilter, &CGroup20108::msgs_from_imgr);
    prefilter_messages.value(tr("Aux. GPS Delayed"), prefilter,
                             &CGroup20108::aux_gps_msgs_delayed);
    prefilter_messages.value(tr("IMgr Messages Rejected"), prefilter,
                             &CGroup20108::imgr_msgs_rejected);
    prefilter_messages.value(tr("IIN Mode"), prefilter, &CGroup20108::iin_mode_proxies);
    CView_box &prefilter_proxies = prefilter_page.box(tr("Proxies"));
    prefilter_proxies.value(tr("IIN Proxies Queued"), prefilter, &CGroup20108::iin_proxies_queued);
    prefilter_proxies.value(tr("IIN Proxy Exceptions"), prefilter,
                            &CGroup20108::iin_proxy_exceptions);
    add_common_rows(prefilter_general, prefilter_page.box(tr("Miscellaneous")), prefilter, 2);

    CView_page &extrapolate_page = page(tr("Extrapolate"));
    CView_box &extrapolate_general = extrapolate_page.box(tr("General Status"));
    extrapolate_general.value(tr("File Open"), extrapolate, &CGroup20109::fopen_error);
    extrapolate_general.value(tr("IIN Extrap. Runs"), extrapolate, &CGroup20109::extrap_runs);
    CView_box &timing = extrapolate_page.box(tr("Timing"));
    timing.value(tr("X minus time"), extrapolate, &CGroup20109::x_minus_time, six_decimals);
    timing.value(tr("dx time"), extrapolate, &CGroup20109::dx_time, six_decimals);
    CView_box &extrapolate_messages = extrapolate_page.box(tr("Messages Received"));
    extrapolate_messages.value(tr("IIN Update"), extrapolate, &CGroup20109::msgs_from_update);
    extrapolate_messages.value(tr("IIN Prefilter"), extrapolate,
                               &CGroup20109::msgs_from_prefilter);
    extrapolate_messages.value(tr("IIN Mode"), extrapolate,
                               &CGroup20109::iin_mode_proxies_queued);
    CView_box &extrapolate_proxies = extrapolate_page.box(tr("Proxies"));
    extrapolate_proxies.value(tr("Prefilter Proxies Queued"), extrapolate,
                              &CGroup20109::prefilter_proxies_queued);
    extrapolate_proxies.value(tr("Update Proxies Queued"), extrapolate,
                              &CGroup20109::update_proxies_queued);
    add_common_rows(extrapolate_general, extrapolate_page.box(tr("Miscellaneous")), extrapolate, 3,
                    tr("Error 1 Count"));
}

template <class TGroup>
void TFormIinStatus::add_common_rows(CView_box &general, CView_box &miscellaneous,
                                     TView_group<TGroup> &group, int column,
                                     const QString &error_3_caption)
{
    general.value(tr("MPA Status"), group, &TGroup::mpa_status);
    miscellaneous.value(tr("Error 1"), group, &TGroup::error_1);
    miscellaneous.value(tr("Error 2"), group, &TGroup::error_2);
    miscellaneous.value(error_3_caption.isEmpty() ? tr("Error 3") : error_3_caption, group,
                        &TGroup::error_3);
    for (std::size_t index = 0; index < CIin_task_group::data_count; ++index) {
        cell(*m_data, static_cast<int>(index) + 1, column, group,
             [index](TGroup &record) -> auto & { return record.data(index); }, six_decimals,
             std::function<bool(TGroup &)>(carries_data<TGroup>));
    }
}
