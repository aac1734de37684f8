#include "app/window_rows.h"

#include "dde/Form_dde.h"
#include "shell/Form_command_reply.h"
#include "shell/Form_main.h"
#include "shell/Form_message_log.h"
#include "shell/Form_options.h"
#include "shell/Form_password.h"
#include "shell/Form_save_settings.h"
#include "shell/Form_set_password.h"
#include "lidar/Form_lidar_ip_address.h"
#include "lidar/Form_lidar_q560.h"
#include "map/Form_moving_map.h"
#include "map/track_export_file.h"
#include "omnistar/Form_omni_star.h"
#include "plots/Form_plot.h"
#include "recording/Form_recording.h"
#include "settings/Form_display_port.h"
#include "settings/Form_ethernet_logging.h"
#include "settings/Form_events.h"
#include "settings/Form_frame_control.h"
#include "settings/Form_general_data.h"
#include "settings/Form_gps_installation.h"
#include "settings/Form_installation.h"
#include "settings/Form_ip_address.h"
#include "settings/Form_output_port.h"
#include "settings/Form_scsi_logging.h"
#include "settings/Form_time_sync.h"
#include "settings/Form_twan_installation.h"
#include "settings/Form_user_accuracy.h"
#include "settings/Form_yaw_drift_correction.h"
#include "views/Form_aux_gps_data.h"
#include "views/Form_faults.h"
#include "views/Form_filter_views.h"
#include "views/Form_gps_data.h"
#include "views/Form_iin_status.h"
#include "views/Form_peripheral_views.h"
#include "views/Form_sensor_views.h"
#include "views/Form_statistics.h"
#include "views/Form_subsystem_status.h"
#include "views/Form_twan_solution.h"

namespace {

constexpr auto at_start = EWindow_start::at_start;
constexpr auto on_demand = EWindow_start::on_demand;
constexpr auto view = EWindow_opening::view;
constexpr auto dialog = EWindow_opening::dialog;

void save_message_log(TFormKoruBase &log, TFormMain &)
{
    static_cast<TFormMessageLog &>(log).save();
}

// The options change which menus the main window shows.
void run_options(TFormKoruBase &options, TFormMain &main)
{
    main.OpenDialog(options);
    main.apply_options();
}

void export_track(TFormKoruBase &map, TFormMain &)
{
    AskExportTrack(static_cast<TFormMovingMap &>(map));
}

void ask_record(TFormKoruBase &recording, TFormMain &main)
{
    static_cast<TFormRecording &>(recording).AskRecord(main);
}

void ask_replay(TFormKoruBase &recording, TFormMain &main)
{
    static_cast<TFormRecording &>(recording).AskReplay(main);
}

} // namespace

// The windows made at start come first, in the order they are made.
std::vector<SWindow_row> WindowRows()
{
    return {
        {"FormDde", MakeWindow<TFormDde>, at_start, view, {{"DdeDebug1"}}, {}},
        {"FormMessageLog", MakeWindow<TFormMessageLog>, at_start, view,
         {{"MessageLog1"}, {"SaveMessageLog1", -1, save_message_log}}, {}},
        {"FormSaveSettings", MakeWindow<TFormSaveSettings>, at_start, view, {}, {}},
        {"FormScsiLogging", MakeWindow<TFormScsiLogging>, at_start, dialog, {{"PcCardLogging1"}},
         {}},
        {"FormOutputPort", MakeWindow<TFormOutputPort>, at_start, dialog, {{"SerialAnalog1"}}, {}},
        {"FormTimeSync", MakeWindow<TFormTimeSync>, at_start, dialog, {{"TimeSync1"}}, {}},
        {"FormEvents", MakeWindow<TFormEvents>, at_start, dialog, {{"Events1"}}, {}},
        {"FormGeneralData", MakeWindow<TFormGeneralData>, at_start, dialog, {{"GeneralData1"}}, {}},
        {"FormDisplayPort", MakeWindow<TFormDisplayPort>, at_start, dialog, {{"DisplayPort1"}},
         {}},
        {"FormInstallation", MakeWindow<TFormInstallation>, at_start, dialog,
         {{"LeverArms1", 0}, {"TagsMultipath1", 2}}, {}},
        {"FormGpsInstallation", MakeWindow<TFormGpsInstallation>, at_start, dialog,
         {{"GnssReceiver1"}}, {}},
        {"FormTwanInstallation", MakeWindow<TFormTwanInstallation>, at_start, dialog,
         {{"TwanInstallation1"}}, {}},
        {"FormIpAddress", MakeWindow<TFormIpAddress>, at_start, dialog, {{"KoruIpAddress1"}}, {}},
        {"FormUserAccuracy", MakeWindow<TFormUserAccuracy>, at_start, dialog,
         {{"UserAccuracy1"}}, {}},
        {"FormCommandReply", MakeWindow<TFormCommandReply>, at_start, view, {{"CommandReply1"}},
         {}},
        {"FormEthernetLogging", MakeWindow<TFormEthernetLogging>, at_start, dialog,
         {{"EthernetLogging1"}, {"EthernetPorts1"}}, {}},
        {"FormYawDriftCorrection", MakeWindow<TFormYawDriftCorrection>, at_start, dialog,
         {{"YawDriftCorrection1"}}, {}},
        {"FormMovingMap", MakeWindow<TFormMovingMap>, at_start, view,
         {{"PositionPlot1"}, {"ExportTrack1", -1, export_track, "File1", "&Export Track..."}}, {}},
        {"FormOmniStar", MakeWindow<TFormOmniStar>, at_start, dialog, {{"OmniStarInstallation1"}},
         {}},
        {"FormLidarIpAddress", MakeWindow<TFormLidarIpAddress>, at_start, dialog,
         {{"LidarQ2401"}}, {}},
        {"FormLidarQ560", MakeWindow<TFormLidarQ560>, at_start, dialog, {{"LidarQ5601"}}, {}},
        {"FormStatistics", MakeWindow<TFormStatistics>, at_start, view, {{"Statistics1"}},
         {108, 99, 20105}},
        {"FormFrameControl", MakeWindow<TFormFrameControl>, at_start, dialog,
         {{"Configuration1"}}, {}},
        {"FormSensor", MakeWindow<TFormSensor>, on_demand, view, {{"SensorNavigation1"}},
         {102, 104}},
        {"FormImuData", MakeWindow<TFormImuData>, on_demand, view, {{"ImuData1"}}, {4}},
        {"FormKfState", MakeWindow<TFormKfState>, on_demand, view, {{"KalmanState1"}}, {20101}},
        {"FormKfMeasurements", MakeWindow<TFormKfMeasurements>, on_demand, view,
         {{"KalmanMeasurements1"}}, {20101, 20102}},
        {"FormTwanKfState", MakeWindow<TFormTwanKfState>, on_demand, view,
         {{"TwanKalmanState1"}}, {20103}},
        {"FormTwanKfMeas", MakeWindow<TFormTwanKfMeas>, on_demand, view,
         {{"TwanKalmanMeasurements1"}}, {20103, 20104}},
        {"FormTwanSolution", MakeWindow<TFormTwanSolution>, on_demand, view, {{"TwanSolution1"}},
         {109}},
        {"FormFaults", MakeWindow<TFormFaults>, at_start, view, {{"Faults1"}}, {}},
        {"FormGpsData", MakeWindow<TFormGpsData>, at_start, view, {{"GnssData1"}}, {7, 106, 107}},
        {"FormIinStatus", MakeWindow<TFormIinStatus>, on_demand, view, {{"IntegratedNavigator1"}},
         {20106, 20107, 20108, 20109}},
        {"FormTwanStatus", MakeWindow<TFormTwanStatus>, on_demand, view, {{"TwanStatus1"}},
         {20117}},
        {"FormNmeaStatus", MakeWindow<TFormNmeaStatus>, on_demand, view, {{"Com1Status1"}},
         {20114}},
        {"FormRtStatus", MakeWindow<TFormRtStatus>, on_demand, view, {{"Com2Status1"}}, {20119}},
        {"FormAnalogStatus", MakeWindow<TFormAnalogStatus>, on_demand, view,
         {{"AnalogPortStatus1"}}, {20121}},
        {"FormEthernetPortsStatus", MakeWindow<TFormEthernetPortsStatus>, on_demand, view,
         {{"EthernetPortsStatus1"}}, {20124, 20125, 20126}},
        {"FormImuStatus", MakeWindow<TFormImuStatus>, on_demand, view, {{"ImuStatus1"}}, {20111}},
        {"FormPriGpsStatus", MakeWindow<TFormPriGpsStatus>, on_demand, view, {{"PrimaryGnss1"}},
         {20112}},
        {"FormSecGpsStatus", MakeWindow<TFormSecGpsStatus>, on_demand, view, {{"SecondaryGnss1"}},
         {20113}},
        {"FormAuxGpsStatus", MakeWindow<TFormAuxGpsStatus>, on_demand, view,
         {{"Auxiliary11"}, {"AuxiliaryGnss1"}}, {20122}},
        {"FormAux2GpsStatus", MakeWindow<TFormAux2GpsStatus>, on_demand, view, {{"Auxiliary21"}},
         {20123}},
        {"FormDiscreteStatus", MakeWindow<TFormDiscreteStatus>, on_demand, view, {{"Discretes1"}},
         {20110}},
        {"FormScsiLoggingStatus", MakeWindow<TFormScsiLoggingStatus>, on_demand, view,
         {{"PcCardLoggingStatus1"}}, {20120}},
        {"FormImgrStatus", MakeWindow<TFormImgrStatus>, on_demand, view, {{"InputManager1"}},
         {20116}},
        {"FormOmgrStatus", MakeWindow<TFormOmgrStatus>, on_demand, view, {{"OutputManager1"}},
         {20115}},
        {"FormSystemStatus", MakeWindow<TFormSystemStatus>, on_demand, view, {{"SystemMonitor1"}},
         {20118}},
        {"FormLrfStatus", MakeWindow<TFormLrfStatus>, on_demand, view,
         {{"LaserRangeFinderStatus1"}}, {20201}},
        {"FormGimbalStatus", MakeWindow<TFormGimbalStatus>, on_demand, view, {{"GimbalStatus1"}},
         {20200}},
        {"FormGimbalData", MakeWindow<TFormGimbalData>, on_demand, view, {{"GimbalData1"}}, {200}},
        {"FormTargetRefPosition", MakeWindow<TFormTargetRefPosition>, on_demand, view,
         {{"TargetReference1"}}, {201}},
        {"FormLrfData", MakeWindow<TFormLrfData>, on_demand, view, {{"LaserRangeFinder1"}}, {202}},
        // Shows Group 17 as well, the user time group of older computers, when one comes.
        {"FormUserTime", MakeWindow<TFormUserTime>, on_demand, view, {{"UserTimeData1"}}, {204}},
        {"FormAuxGpsData", MakeWindow<TFormAuxGpsData>, on_demand, view, {}, {110}},
        {"FormPassword", MakeWindow<TFormPassword>, on_demand, dialog, {}, {}},
        {"FormSetPassword", MakeWindow<TFormSetPassword>, on_demand, dialog, {{"SetPassword1"}},
         {}},
        {"FormOptions", MakeWindow<TFormOptions>, on_demand, dialog,
         {{"Options1", -1, run_options}}, {}},
        {"FormRecording", MakeWindow<TFormRecording>, on_demand, view,
         {{"RecordDisplayPort1", -1, ask_record, "File1", "&Record Display Port..."},
          {"ReplayRecording1", -1, ask_replay, "File1", "Re&play Recording..."}},
         {}},
        // Made at start, so that the values it followed last time are followed from the start.
        {"FormPlot", MakeWindow<TFormPlot>, at_start, view,
         {{"Plot1", -1, nullptr, "View1", "P&lot"}}, {}},
    };
}
