// The computer's core layouts: lengths and names of every record, frames decoded field by field,
// commands encoded byte for byte, acknowledgement texts and transaction numbers.

#include "lidar/lidar_records.h"
#include "protocol/acknowledgement.h"
#include "protocol/command_messages.h"
#include "protocol/navigation_groups.h"
#include "protocol/navigation_messages.h"
#include "protocol/password_message.h"
#include "protocol/status_words.h"
#include "settings/ethernet_logging_records.h"
#include "settings/general_data_records.h"
#include "settings/gps_installation_records.h"
#include "settings/installation_records.h"
#include "settings/omni_star_records.h"
#include "settings/output_port_records.h"
#include "settings/scsi_logging_records.h"
#include "settings/twan_installation_records.h"
#include "settings/yaw_drift_records.h"
#include "settings/frame_control_records.h"
#include "views/filter_records.h"
#include "views/iin_status_records.h"
#include "views/sensor_records.h"
#include "views/statistics_records.h"
#include "views/subsystem_status_records.h"

#include "frame_bytes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

using frame_bytes::Bytes;

std::array<std::byte, 2048> shared_buffer{};

template <class TGroup>
std::unique_ptr<CGroup_base> make_group()
{
    return std::make_unique<TGroup>(shared_buffer.data(), shared_buffer.size());
}

template <class TMessage>
std::unique_ptr<CGroup_base> make_message()
{
    return std::make_unique<TMessage>();
}

struct SLayout {
    std::function<std::unique_ptr<CGroup_base>()> make;
    std::uint16_t byte_count;
    std::vector<std::string> top_level_names;
};

std::vector<std::string> top_level_names(const CGroup_base &record)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < record.child_count(); ++i) {
        names.push_back(record.child(i).name());
    }
    return names;
}

// The names of an integrated navigator task group: its own items between the file error in front
// and the MPA status, the three errors and the ten "Data" values behind.
std::vector<std::string> iin_task_names(std::uint16_t number, std::vector<std::string> own)
{
    const std::string group = "Group " + std::to_string(number);
    std::vector<std::string> names = {group + " Header", "Error. of fopen"};
    names.insert(names.end(), own.begin(), own.end());
    names.insert(names.end(), {"MPA status", "Error 1", "Error 2", "Error 3"});
    names.insert(names.end(), 10, "Data");
    names.push_back(group + " Footer");
    return names;
}

// The names of a status group: its header, its own items and its footer.
std::vector<std::string> status_names(std::uint16_t number, std::vector<std::string> own)
{
    const std::string group = "Group " + std::to_string(number);
    own.insert(own.begin(), group + " Header");
    own.push_back(group + " Footer");
    return own;
}

const std::vector<std::string> aux_gps_names = {"No. of Processor Calls",
                                                "Execution Time",
                                                "No. Messages Received",
                                                "No. Messages Rejected",
                                                "No. Gpgga Messages Received",
                                                "No. Gpgsa Messages Received",
                                                "No. Gpgst Messages Received",
                                                "No. Gpgsv Messages Received",
                                                "No. Other Messages Received",
                                                "No. of Checksum Errors",
                                                "Aux Gps Baud Rate",
                                                "No. of Characters Received",
                                                "Aux Gps Port",
                                                "No. of Scheduler Proxy Exceptions",
                                                "No. of Message104 Proxy Exceptions",
                                                "No. Ascii Parse Messages Rejected",
                                                "No. Decode Messages Rejected",
                                                "last Decode Message Rejected"};
const std::vector<std::string> ethernet_port_names = {
    "No. of Scheduler Proxies",    "No. of Proxy Exceptions", "No. of Proxies Queued",
    "No. of MPA Request Failures", "Last MPA Failure Status", "Last Display Port Error",
    "No. of Display Port Writes"};

const std::vector<SLayout> &layouts()
{
    static const std::vector<SLayout> table = {
        {make_group<CGroup1>,
         132,
         {"Group 1 Header", "Position", "Velocity", "Attitude", "Wander Angle", "Track Angle",
          "Speed", "Angular Rate", "Angular Accel", "Solution Status", "Group 1 Footer"}},
        {make_group<CGroup2>,
         68,
         {"Group 2 header", "RMS Position", "RMS Velocity", "RMS Attitude", "Group 2 footer"}},
        {make_group<CGroup4>,
         60,
         {"Group 4 header", "Detla Velocity", "Detla Velocity", "Bad Raw IMU Frame Status",
          "IMU Type", "Data Rate", "IMU Status", "Group 4 footer"}},
        {make_group<CGroup5>, 36, {"Group 5 header", "PPS Pulse Number", "Group 5 footer"}},
        {make_group<CGroup6>, 36, {"Group 6 header", "PPS Pulse Number", "Group 6 footer"}},
        {make_group<CGroup7>, 36, {"Group 7 header", "PPS Pulse Number", "Group 7 Footer"}},
        {make_group<CGroup8>,
         48,
         {"Group 8 header", "Removable Disk:  KBytes Remaining", "Removable Disk:  KBytes Logged",
          "Removable Disk:  Time Remaining", "Removable Disk:  KBytes Total", "Group 8 footer"}},
        {make_group<CGroup99>,
         332,
         {"Group 99 header", "KORU Version", "Primary GPS Version", "Secondary GPS Version",
          "Total Hours", "Number of Runs", "Average Length of Run", "Longest Run", "Current Run",
          "Group 99 footer"}},
        {make_group<CGroup_fdir>,
         56,
         {"Group 101 Header", "General Status A", "General Status B", "General Status C",
          "FDIR Level 1 Status", "FIDR Level 1 IMU failures", "FDIR Level 2 Status",
          "FDIR Level 3 Status", "FDIR Level 4 Status", "FDIR Level 5 Status", "Group 101 Footer"}},
        {make_group<CGroup20202>,
         104,
         {"Group 20202 header",
          "Network Part1",
          "Network Part2",
          "Host Part1",
          "Host Part2",
          "Data Port Status",
          "Number of Received Char",
          "Number of Reads",
          "Last Port Error",
          "No of MPA Req Failures",
          "No. of MPA Post Failures",
          "No. of MPA Posts",
          "No. Sched Proxy Exception",
          "No. PPS Proxy Exception",
          "No. Msg20206 Proxy Exception",
          "No. Msg20206 Accepted",
          "No. Msg20206 Rejected",
          "Reserved Double 1",
          "Reserved Double 2",
          "Reserved Int 1",
          "Reserved Int 2",
          "Group 20202 footer"}},
        {make_group<CGroup20106>, 184,
         iin_task_names(
             20106, {"No.of iin runs", "No. of restart iin", "SNV data status", "No. of SDNAV runs",
                     "No. of closed loop error control runs", "No. of mgs from gps",
                     "No. of mgs from imu", "No. of mgs from extrap", "No. of mgs from update",
                     "No. of bad imu data", "No. of mgs from imgr", "No. of mgs from imgr",
                     "No. of imu proxies queued", "No. of imu proxy exceptions"})},
        {make_group<CGroup20107>, 156,
         iin_task_names(20107,
                        {"No.of iinupdate runs", "No. of msg from pf ", "No. of msg from extrap",
                         "No. of pf proxies queued", "No. of extrap proxies queued",
                         "No. of iin mode proxies ", " iin mode "})},
        {make_group<CGroup20108>, 164,
         iin_task_names(20108, {"No.of iinpref runs", "No.of msg from iin",
                                "No. of msg from update", "No. of iin proxies queued",
                                "No. of iin proxy exceptions", "No. of msg from imgr",
                                "No. of msg from imgr rejected", "No. of msg from twan delayed",
                                "No. of msg from aux gps delayed", "No. of iin mode proxies"})},
        {make_group<CGroup20109>, 172,
         iin_task_names(20109,
                        {"No.of iinextrap runs", "No. of msg from pf ", "No. of msg from update",
                         "No. of pf proxies queued", "No. of update proxies queued",
                         "No. of iin mode proxies queued", " x_minus_time", "dx_time"})},
        {make_group<CGroup20114>, 68,
         status_names(20114,
                      {"Proxy Exceptions", "Proxy Count", "COM Write Failures", "Schedule Count",
                       "Nmea Valid Messages", "Port Setup", "Com Port", "Num MPA Request Failures",
                       "Name of Group Failed", "Last MPA Failure Status"})},
        {make_group<CGroup20117>, 192,
         status_names(20117, {"Error. of fopen",
                              "No.of iin runs",
                              "No. of restart iin",
                              "ATT data status",
                              "DPOS status",
                              "Target Mode",
                              " Estimate Mode",
                              "No. of Measurements Used",
                              "No. of mgs from IIN",
                              "No. of mgs from pri gps",
                              "No. of mgs from sec gps",
                              "No. of iin proxies queued",
                              "No. of pri gps proxies queued",
                              "No. of sec gps proxies queued",
                              "No. of Pri Gps NavClk",
                              "No. of Pri Gps Rephem",
                              "No. of Proxies From Scheduler",
                              "No. of mgs from imgr",
                              "No. of mgs from imgr",
                              "No. of Iin Mode Proxies",
                              "MPA status",
                              "Error 1",
                              "Error 2",
                              "Error 3",
                              "Data 1",
                              "Data 2",
                              "Data 3",
                              "Data 4",
                              "Data 5",
                              "Data 6",
                              "Data 7",
                              "Data 8",
                              "Data 9",
                              "Data 10"})},
        {make_group<CGroup20121>, 64,
         status_names(20121, {"IMU Hardware Interface", "Proxy Exceptions", "Proxy Count",
                              "Schedule Count", "Dac Valid Messages", "Mode"})},
        {make_group<CGroup20119>, 48,
         status_names(20119,
                      {"Proxy Exceptions", "Proxy Count", "COM Write Failures", "Schedule Count",
                       "RT Output Valid Messages", "Port Setup", "Com Port", "Mode"})},
        {make_group<CGroup20112>, 188,
         status_names(20112, {"No. of Processor Calls",
                              "Execution Time",
                              "No. Messages Received",
                              "No. Messages Rejected",
                              "No. Pos Messages Received",
                              "No. Vel Messages Received",
                              "No. Time Recovery Messages Received",
                              "No. Clock Messages Received",
                              "No. Rob Messages Received",
                              "No. Dop Messages Received",
                              "No. Ephemeris Messages Received",
                              "No. Sat Messages Received",
                              "No. Version Messages Received",
                              "No. Gpzda Messages Received",
                              "No. Gpgsa Messages Received",
                              "No. Ggab Messages Received",
                              "No. Other Messages Received",
                              "No. of Checksum Errors",
                              "Autoconfig Status",
                              "Autoconfig Baud Rate",
                              "No. of Characters Received",
                              "Gps Serial Port",
                              "No. of Scheduler Proxy Exceptions",
                              "No. of Message5 Proxy Exceptions",
                              "No. of Message10 Proxy Exceptions",
                              "No. Ascii Parse Messages Rejected",
                              "No. Binary Parse Messages Rejected",
                              "No. of Config Messages Sent",
                              "No. of Single Messages Sent",
                              "No. Set Rtcm Messages Sent",
                              "No. Reset Rtcm Messages Sent",
                              "No. Decode Messages Rejected",
                              "last Decode Message Rejected",
                              "Gps Receiver Cpu Load",
                              "Subscription Start Year",
                              "Subscription Start Month",
                              "Subscription Start Day",
                              "Subscription End Year",
                              "Subscription End Month",
                              "Subscription End Day",
                              "Active Flag",
                              "Engine Mode",
                              "Subscribed Engine Mode",
                              "Horizontal 3 Sigma",
                              "Vertical 3 Sigma",
                              "Receiver Operation Mode",
                              "OmniStar Operation Mode",
                              "Start up seeding",
                              "Dynamic Seeding",
                              "Seeding Quality",
                              "Reserved 1",
                              "Reserved 2",
                              "Reserved 3"})},
        {make_group<CGroup20113>, 160,
         status_names(20113, {"No. of Processor Calls",
                              "Execution Time",
                              "No. Messages Received",
                              "No. Messages Rejected",
                              "No. Pos Messages Received",
                              "No. Vel Messages Received",
                              "No. Time Recovery Messages Received",
                              "No. Clock Messages Received",
                              "No. Rob Messages Received",
                              "No. Dop Messages Received",
                              "No. Ephemeris Messages Received",
                              "No. Sat Messages Received",
                              "No. Version Messages Received",
                              "No. Gpzda Messages Received",
                              "No. Gpgsa Messages Received",
                              "No. Ggab Messages Received",
                              "No. Other Messages Received",
                              "No. of Checksum Errors",
                              "Autoconfig Status",
                              "Autoconfig Baud Rate",
                              "No. of Characters Received",
                              "Gps Serial Port",
                              "No. of Scheduler Proxy Exceptions",
                              "No. of Message110 Proxy Exceptions",
                              "No. of Message10 Proxy Exceptions",
                              "No. Ascii Parse Messages Rejected",
                              "No. Binary Parse Messages Rejected",
                              "No. of Config Messages Sent",
                              "No. of Single Messages Sent",
                              "No. Set Rtcm Messages Sent",
                              "No. Reset Rtcm Messages Sent",
                              "No. Decode Messages Rejected",
                              "last Decode Message Rejected",
                              "Gps Receiver Cpu Load"})},
        {make_group<CGroup20122>, 116, status_names(20122, aux_gps_names)},
        {make_group<CGroup20123>, 116, status_names(20123, aux_gps_names)},
        {make_group<CGroup20110>, 192,
         status_names(20110, {"No. of Scheduler Proxies",
                              "No. of Time Recovery Msg Proxies",
                              "No. of Other Proxies",
                              "No. of Proxy Exceptions",
                              "No. of Proxies Queued",
                              "MPA Call Status Code",
                              "No. of TOV Hits",
                              "No. of PPS Hits",
                              "No. of Event-1 Hits",
                              "No. of Event-2 Hits",
                              "No. of Slope Hits",
                              "Drift Slope",
                              "Clock Rate",
                              "Current Time Recovery in UTC sec",
                              "Previous Time Recovery in UTC sec",
                              "Current Raw Time of PPS Signal",
                              "Previous Raw Time of PPS Signal",
                              "UTC Offset",
                              "GPS Offset",
                              "User Offset",
                              "Direction of travel",
                              "No. Up counter hits",
                              "No. Up down counter hits",
                              "No. Up down counter hits at event2",
                              "User Drift Slope",
                              "User Clock Rate",
                              "User Time Recovery",
                              "Previous User Time Recovery"})},
        {make_group<CGroup20111>, 76,
         status_names(20111,
                      {"IMU Hardware Interface", "IMU IO Address", "No. Processor Calls",
                       "No. IMU Data Frames", "No. Proxy Exceptions", "No. Proxies Queued",
                       "No. Bad IMU Data Frame", "IMU Status Summary Word", "No. Time Outs"})},
        {make_group<CGroup20118>, 60,
         status_names(20118, {"Schedule Count", "Proxy Exceptions", "Proxy Count",
                              "KORU Tasks Status", "Dead Task Name"})},
        {make_group<CGroup20115>, 156,
         status_names(20115, {"No. of MPA Request Failures", "Name of Group/Message Failed",
                              "Last MPA Failure Status",     "No. of Display Port Reconfigurations",
                              "Last Display Port Error",     "No. of Data Port Reconfigurations",
                              "Last Data Port Error",        "No. of Logging Port Reconfigurations",
                              "Last Logging Port Error",     "No. of Display Port Writes",
                              "No. of Data Port Writes",     "No. of Logging Port Writes",
                              "No. of Message 1 Accepted",   "No. of Message 1 Rejected",
                              "No. of Message 2 Accepted",   "No. of Message 2 Rejected",
                              "No. of Message 3 Accepted",   "No. of Message 3 Rejected",
                              "No. of Message 4 Accepted",   "No. of Message 4 Rejected",
                              "No. of Message 8 Accepted",   "No. of Message 8 Rejected",
                              "No. of Message 14 Accepted",  "No. of Message 14 Rejected",
                              "Controller IP Address",       "Control Port Number",
                              "Last Control Port Error",     "Last Port Operation Failed"})},
        {make_group<CGroup20120>, 80,
         status_names(20120, {"No. of MPA Request Failures", "Name of message failed",
                              "Last MPA Failure Status", "Name of current logging state",
                              "Last Logging Command Error", "Last Logging Write Error",
                              "Number of Logging Port Writes"})},
        {make_group<CGroup20116>, 120,
         status_names(20116, {"Number of MPA Request Failures",
                              "CSC Name for Last ICD Message Failed",
                              "Last MPA Failure Status",
                              "KCS IP Address",
                              "Controller IP Address",
                              "Control Port Number",
                              "Last Control Port Error",
                              "Last Port Operation Failed",
                              "Transaction Number for Last Port Failure",
                              "ID of Last Rejected Message",
                              "Received Size of Last Rejected Message",
                              "Expected Size of Last Rejected Message",
                              "Transaction Number of Last Rejected Message",
                              "Input Manager Error Codes",
                              "Total Messages Rejected",
                              "Total Messages Received",
                              "ID of Last Message Received",
                              "Total Message Sends Missed",
                              "Total Messages Sent",
                              "Message ID of Last NVM Read Failure",
                              "Internal Error Number",
                              "Internal Error Auxiliary Number 1",
                              "Internal Error Auxiliary Number 2"})},
        {make_group<CGroup20124>, 52, status_names(20124, ethernet_port_names)},
        {make_group<CGroup20125>, 52, status_names(20125, ethernet_port_names)},
        {make_group<CGroup20126>, 52, status_names(20126, ethernet_port_names)},
        {make_group<CGroup102>,
         128,
         status_names(102, {"Position", "Velocity", "Attitude", "Wander Angle", "Heave",
                            "Angular Rate", "Angular Accel"})},
        {make_group<CGroup103>,
         128,
         status_names(103, {"Position", "Velocity", "Attitude", "Wander Angle", "Heave",
                            "Angular Rate", "Angular Accel"})},
        {make_group<CGroup104>,
         68,
         status_names(104, {"RMS Position", "RMS Velocity", "RMS Attitude"})},
        {make_group<CGroup105>,
         68,
         status_names(105, {"RMS Position", "RMS Velocity", "RMS Attitude"})},
        {make_group<CGroup108>,
         236,
         status_names(108, {"System Model", "System Version", "Serial Number",
                            "Hardware Revision", "Software Revision", "ICD Revision",
                            "Primary GPS Version", "Secondary GPS Version", "Total Hours",
                            "Number of Runs", "Average Length of Run", "Longest Run",
                            "Current Run"})},
        {make_group<CGroup109>,
         148,
         status_names(109, {"Number of SV's In Solution", "Base SV", "P DOP",
                            "Computed Antenna Separation", "Number of OTF Searches",
                            "SOSR Ratio", "Cycle Slip Flag", "Solution Status", "Twan Record",
                            "TWAN heading", "TWAN heading RMS error"})},
        // The filter groups as built: every array at its capacity (40 and 20, 20 and 30).
        {make_group<CGroup20101>,
         1008,
         status_names(20101, {"Update Time", "Number of States", "Number of Measurements",
                              "x_minus", "rms_minus", "meas_res", "RMSmeas_res",
                              "Meas reject"})},
        {make_group<CGroup20102>,
         372,
         status_names(20102, {"Measurement Time 1", "Measurement Time 2",
                              "Number of Measurements", "Measurement Construct", "z", "r"})},
        {make_group<CGroup20103>,
         1168,
         status_names(20103, {"Update Time", "Number of States", "Number of Measurements",
                              "x_minus", "rms_minus", "x_plus", "rms_plus", "meas_res",
                              "RMSmeas_res", "Meas reject"})},
        {make_group<CGroup20104>,
         520,
         {"Group 20104 Header", "Measurement Time", "Number of Measurements", "z data", "r data",
          "Group 20102 Footer"}},
        {make_group<CGroup20105>,
         40,
         status_names(20105, {"Current CPU Load", "Average CPU Load", "Maximum CPU Load",
                              "Minimum CPU Load"})},
        {make_message<CMessage20001>,
         8,
         {"Message 20001 Header", "IMU DCM Frame Control", "Message 20001 Footer"}},
        {make_message<CMessage20101>,
         12,
         {"Message 20101 Header", "FDIR Control", "Message 20101 Footer"}},
        {make_message<CMessage0>,
         44,
         {"Message 0 header", "Message ID Received", "Message Response Code",
          "New Parameters Accepted", "Parameter Error Name", "Message 0 footer"}},
        {make_message<CMessage1>,
         72,
         {"Message 1 header", "Time Tag Type", "Distance Tag Type", "autoStart Enable/Disable",
          "Reference to IMU Lever Arm", "Reference to Primary GPS Lever Arm",
          "IMU to Reference Mounting Angle", "Reference to Vessel Lever Arm",
          "Vessel to Reference Mounting Angle", "Multipath", "Message 1 footer"}},
        {make_message<CMessage2>,
         20, // built with four groups
         {"Message 2 header", "Number of Groups for Display", "Display Port Group", "Reserved",
          "Message 2 footer"}},
        {make_message<CMessage3>,
         12, // built with no groups
         {"Message 3 header", "Number of Groups for Data", "Data Port Group",
          "Data Port Output Rate", "Message 3 footer"}},
        {make_message<CMessage16>,
         12,
         {"Message 16 header", "Number of Groups for Data", "Sec Data Port Group",
          "Sec Data Port Output Rate", "Message 16 footer"}},
        {make_message<CMessage4>,
         84, // built with four groups
         {"Message 4 header", "Number of Groups for Display", "Logging Port Group",
          "Logging Port Output Rate", "Logging Mode", "Disk Logging Control", "autoLog Filename",
          "Message 4 footer"}},
        {make_message<CMessage5>,
         16,
         {"Message 5 header", "GPS AutoConfig", "Primary GPS Type", "COM1 Port Output Rate",
          "Com2", "Gram Antenna Frequency", " WAAS Settings", "Message 5 footer"}},
        {make_message<CMessage6>,
         16,
         {"Message 6 header", "Network Part1", "Network Part2", "Host Part1", "Host Part2",
          "Network Net Mask Part1", "Network Net Mask Part2", "Host Net Mask Part1",
          "Host Net Mask Part2", "Message 6 footer"}},
        {make_message<CMessage7>, 8, {"Message 7 header", "Mode Type", "Message 7 footer"}},
        {make_message<CMessage8>, 8, {"Message 8 header", "Control", "Message 8 footer"}},
        {make_message<CMessage9>, 8, {"Message 9 header", "Control", "Message 9 footer"}},
        {make_message<CMessage10>,
         8,
         {"Message 10 header", "Control Command", "Message 10 footer"}},
        {make_message<CMessage11>,
         12,
         {"Message 11 header", "Event 1 Trigger", "Event 2 Trigger", "Event 1 Guard Time",
          "Event 2 Guard Time", "Message 11 footer"}},
        {make_message<CMessage12>,
         24,
         {"Message 12 header", "User Time", "User Time Units Conversion", "Message 12 footer"}},
        {make_message<CMessage13>,
         60,
         {"Message 13 header", "General Data Time of Day: Hours",
          "General Data Time of Day: Minutes", "General Data Time of Day: Seconds",
          "General Data Date: Month ", "General Data Date: Day Date ", "General Data Date: Year",
          "General Data Initial Latitude", "General Data Initial Longitude",
          "General Data Initial Altitude", "General Data Initial Heading", "RMS Position",
          "Message 13 footer"}},
        {make_message<CMessage14>, 8, {"Message 14 header", "Control", "Message 14 footer"}},
        {make_message<CMessage17>,
         32,
         {"Message 17 header", "Mode Control", "Satellite ID", "Frequency", "Bit Rate",
          "reserved 1", "reserved 2", "reserved 3", "reserved 4", "Message 17 footer"}},
        {make_message<CMessage101>,
         92,
         {"Message 101 header", "Sensor 1 to frame Mount Angles", "Sensor 2 to frame Mount Angles",
          "Reference to Auxiliary GPS lever arms", "Reference to Sensor 1 lever arms",
          "Reference to Sensor 2 lever arms", "Reference to Heave lever arms",
          "Reference to 2nd Auxiliary GPS lever arms", "Message 101 footer"}},
        {make_message<CMessage102>,
         20,
         {"Message 102 header", "Roll Sense", "Pitch Sense", "Heave Sense", "Formula Select",
          "Com1", "COM Port Update Rate", "Message 102 footer"}},
        {make_message<CMessage103>,
         20,
         {"Message 103 header", "Roll Sense", "Pitch Sense", "Heave Sense", "Formula Select",
          "Com2", "COM2 Update Rate", "TM1B Additional Delay", "Message 103 footer"}},
        {make_message<CMessage104>,
         16,
         {"Message 104 header", "Formula Select", "Com3", "COM3 Update Rate", " AUX 1 Protocol",
          " AUX 2 Protocol", "Message 104 footer"}},
        {make_message<CMessage105>,
         24,
         {"Message 105 header", "Roll Scale Factor", "Pitch Scale Factor", "Heave Scale Factor",
          "Roll Sense", "Pitch Sense", "Heave Sense", "Formula Select", "Output Enable",
          "Message 105 footer"}},
        {make_message<CMessage107>,
         24,
         {"Message 107 header", "User Attitude RMS Accuracy", "User Heading RMS Accuracy",
          "User Position RMS Accuracy", "User Velocity RMS Accuracy", "Message 107 footer"}},
        {make_message<CMessage108>,
         32,
         {"Message 108 header", "Two Antenna Separation", "X Y Z Componnent",
          "Heading Calibration Threshold", "HeadingCorrection", "Message 108 footer"}},
        {make_message<CMessage109>, 8, {"Message 109 header", "twanControl", "Message 109 footer"}},
        {make_message<CMessage20206>,
         16,
         {"Message 20206 header", "Logging Control", "Flight Line Number", "Reserved2",
          "Message 20206 footer"}},
        {make_message<CMessage20207>,
         24,
         {"Message 20207 header", "Network Part1", "Network Part2", "Host Part1", "Host Part2",
          " Connect Control", "Reserved0", "Reserved1", "Reserved2", "Reserved3",
          "Message 20207 footer"}},
        {make_message<CMessage110>,
         16,
         {"Message 110 header", "GPS AutoConfig", "Secondary GPS Type", "COM1 Port Output Rate",
          "Com2", "Gram Antenna Frequency", "Waas Settings", "Message 110 footer"}},
        {make_message<CMessage111>,
         48,
         {"Message 111 header", "Password Control", "Password", "New Password",
          "Message 111 footer"}},
        {make_message<CMessage20102>,
         24,
         {"Message 20102 header", "Roll Input", "Pitch Input", "Heading Input", "Heave Input",
          "Message 20102 footer"}},
        {make_message<CMessage20103>,
         20,
         {"Message 20103 header", "Roll Input", "Pitch Input", "Heave Input",
          "Message 20103 footer"}},
        {make_message<CMessage20211>,
         32,
         {"Message 20211 header", "Event 1 Shift", "Event 2 Shift", "Reserved 1", "Reserved 2",
          "Reserved 3", "Reserved 4", "Message 20211 footer"}},
        {make_message<CMessage20201>,
         40,
         {"Message 20201 header", "Desired Heading", "Activation Threshold", "Cutoff period",
          "Gain", "Correction Method", "Message 20201 footer"}},
        {make_message<CMessage20202>,
         12,
         {"Message 20202 header", "Mode Type", "Reserved", "Message 20202 footer"}},
        {make_message<CMessage20205>,
         16,
         {"Message 20205 header", "Gimbal Control", "Reserved1", "Reserved2",
          "Message 20205 footer"}},
    };
    return table;
}

TEST(Layouts, EveryRecordHasItsLengthsAndNames)
{
    for (const SLayout &layout : layouts()) {
        const std::unique_ptr<CGroup_base> record = layout.make();
        const std::string &label = layout.top_level_names.front();
        EXPECT_EQ(record->size() % 4, 0u) << label;
        EXPECT_EQ(record->size(), std::size_t{layout.byte_count} + 8) << label;
        EXPECT_EQ(record->frame_length(), record->size()) << label << ": header byte count";
        EXPECT_EQ(top_level_names(*record), layout.top_level_names);
    }
}

TEST(Layouts, MessagesBuiltHerePassTheFrameCheck)
{
    for (const SLayout &layout : layouts()) {
        const std::unique_ptr<CGroup_base> record = layout.make();
        auto *message = dynamic_cast<CMessage_record *>(record.get());
        if (message == nullptr) {
            continue;
        }
        message->seal(1);
        EXPECT_EQ(frame::check(message->frame(), EFrame_kind::message), EFrame_status::ok)
            << message->name();
    }
}

Bytes group1_body()
{
    Bytes body;
    frame_bytes::put_f64(body, 45.5042);  // latitude
    frame_bytes::put_f64(body, -73.25);   // longitude
    frame_bytes::put_f64(body, 1234.5);   // altitude
    frame_bytes::put_f32(body, 10.5f);    // north
    frame_bytes::put_f32(body, -2.25f);   // east
    frame_bytes::put_f32(body, 0.125f);   // down
    frame_bytes::put_f64(body, 1.5);      // roll
    frame_bytes::put_f64(body, -0.75);    // pitch
    frame_bytes::put_f64(body, 359.9996); // heading
    frame_bytes::put_f64(body, 0.0);      // wander angle
    frame_bytes::put_f32(body, 92.0f);    // track angle
    frame_bytes::put_f32(body, 1e20f);    // speed: no data
    frame_bytes::put_f32(body, 0.5f);     // angular rate
    frame_bytes::put_f32(body, 0.25f);
    frame_bytes::put_f32(body, -0.5f);
    frame_bytes::put_f32(body, 1.0f); // angular acceleration
    frame_bytes::put_f32(body, 2.0f);
    frame_bytes::put_f32(body, 3.0f);
    frame_bytes::put_u8(body, 2); // solution status
    return body;
}

TEST(GoldenFrames, Group1DecodesEveryField)
{
    const Bytes frame = frame_bytes::group(1, group1_body());
    ASSERT_EQ(frame.size(), 140u);
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    EXPECT_TRUE(group.is_current());
    EXPECT_EQ(group.header().byte_count().get(), 132);
    EXPECT_DOUBLE_EQ(group.position().latitude().get(), 45.5042);
    EXPECT_DOUBLE_EQ(group.position().longitude().get(), -73.25);
    EXPECT_DOUBLE_EQ(group.position().altitude().get(), 1234.5);
    EXPECT_FLOAT_EQ(group.velocity().north().get(), 10.5f);
    EXPECT_FLOAT_EQ(group.velocity().east().get(), -2.25f);
    EXPECT_FLOAT_EQ(group.velocity().down().get(), 0.125f);
    EXPECT_DOUBLE_EQ(group.attitude().roll().get(), 1.5);
    EXPECT_DOUBLE_EQ(group.attitude().pitch().get(), -0.75);
    EXPECT_DOUBLE_EQ(group.attitude().heading().get(), 359.9996);
    EXPECT_DOUBLE_EQ(group.wander_angle().get(), 0.0);
    EXPECT_FLOAT_EQ(group.track_angle().get(), 92.0f);
    EXPECT_FALSE(group.has_value(group.speed())) << "1e20 is no data";
    EXPECT_TRUE(group.has_value(group.track_angle())) << "the other fields still show";
    EXPECT_FLOAT_EQ(group.angular_rate().transverse().get(), 0.25f);
    EXPECT_FLOAT_EQ(group.angular_rate().down().get(), -0.5f);
    EXPECT_FLOAT_EQ(group.angular_accel().longitudinal().get(), 1.0f);
    EXPECT_FLOAT_EQ(group.angular_accel().down().get(), 3.0f);
    EXPECT_EQ(group.solution_status().get(), 2);
}

TEST(GoldenFrames, ShorterGroup1HidesTheFieldsItDoesNotCarry)
{
    Bytes body = group1_body();
    body.resize(24 + 12 + 24); // position, velocity and attitude only
    const Bytes frame = frame_bytes::group(1, body);
    std::array<std::byte, 2048> buffer{};
    CGroup1 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    EXPECT_TRUE(group.has_value(group.attitude().heading()));
    EXPECT_FALSE(group.has_value(group.wander_angle()));
    EXPECT_FALSE(group.has_value(group.solution_status()));
}

TEST(GoldenFrames, Group101ReadsItsStatusWords)
{
    Bytes body;
    frame_bytes::put_u32(body, (1u << 7) | (1u << 11) | (1u << 17)); // Full Nav, unnamed, NVM ok
    frame_bytes::put_u32(body, 1u << 31);                            // Pri GPS In PCode Mode
    frame_bytes::put_u32(body, 1u << 6);                             // User Not Logged In
    frame_bytes::put_u32(body, (1u << 3) | (1u << 27));              // unnamed, Gimbal gap
    frame_bytes::put_u16(body, 21);                                  // IMU failures
    frame_bytes::put_u16(body, 1u << 4);                             // Dmi speed
    frame_bytes::put_u16(body, 1u << 0);
    frame_bytes::put_u16(body, 1u << 2); // TWAN heading
    frame_bytes::put_u16(body, 1u << 7); // lever arm
    const Bytes frame = frame_bytes::group(101, body);
    ASSERT_EQ(frame.size(), 64u) << "no pad";

    std::array<std::byte, 2048> buffer{};
    CGroup_fdir group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    CGen_status_a &a = group.general_status_a();
    EXPECT_TRUE(a.bit(7)->get());
    EXPECT_EQ(a.bit(7)->name(), "Full Nav Solution");
    EXPECT_EQ(a.bit(11), nullptr) << "bit 11 is set but has no name";
    EXPECT_TRUE(a.bit(17)->get());
    EXPECT_FALSE(a.bit(0)->get());
    EXPECT_EQ(a.bit(14)->name(), "Log Port Loging Enabled");
    EXPECT_TRUE(group.general_status_b().bit(31)->get());
    EXPECT_EQ(group.general_status_b().bit(31)->name(), "Pri GPS In PCode Mode");
    EXPECT_TRUE(group.general_status_c().bit(6)->get());
    EXPECT_EQ(group.fdir_level_1().bit(3), nullptr);
    EXPECT_TRUE(group.fdir_level_1().bit(27)->get());
    EXPECT_EQ(group.fdir_level_1_imu_failures().get(), 21);
    EXPECT_EQ(group.fdir_level_1_imu_failures().name(), "FIDR Level 1 IMU failures");
    EXPECT_TRUE(group.fdir_level_2().bit(4)->get());
    EXPECT_TRUE(group.fdir_level_3().bit(0)->get());
    EXPECT_EQ(group.fdir_level_3().bit(0)->name(), "Aux GPS Failure: |Pri - Aux Pos| > 1000m");
    EXPECT_TRUE(group.fdir_level_4().bit(2)->get());
    EXPECT_EQ(group.fdir_level_5().bit(7)->name(), "gps Lever Arm Failure");
    EXPECT_TRUE(group.fdir_level_5().bit(7)->get());
}

// The eight status words as one reader takes them: each from its own place, and a word a short
// frame does not carry reads 0 even though the buffer still holds a longer frame's bytes there.
TEST(GoldenFrames, StatusWordsOfGroup101ReadZeroPastAShortFrame)
{
    Bytes body;
    frame_bytes::put_u32(body, 0x000A0001u);
    frame_bytes::put_u32(body, 0x000B0002u);
    frame_bytes::put_u32(body, 0x000C0003u);
    frame_bytes::put_u32(body, 0x000D0004u);
    frame_bytes::put_u16(body, 21); // IMU failures: not a status word
    for (std::uint16_t level = 2; level <= 5; ++level) {
        frame_bytes::put_u16(body, level);
    }
    std::array<std::byte, 2048> buffer{};
    CGroup_fdir group(buffer.data(), buffer.size());
    const Bytes full = frame_bytes::group(101, body);
    std::memcpy(buffer.data(), full.data(), full.size());

    const SStatus_words words = status_words_of(group);
    EXPECT_EQ(words.general_a, 0x000A0001u);
    EXPECT_EQ(words.general_b, 0x000B0002u);
    EXPECT_EQ(words.general_c, 0x000C0003u);
    EXPECT_EQ(words.fdir_level_1, 0x000D0004u);
    EXPECT_EQ(words.fdir_level_2, 2u);
    EXPECT_EQ(words.fdir_level_3, 3u);
    EXPECT_EQ(words.fdir_level_4, 4u);
    EXPECT_EQ(words.fdir_level_5, 5u);

    body.resize(4 * 4); // an older computer's group: General Status A to FDIR Level 1
    const Bytes shorter = frame_bytes::group(101, body);
    std::memcpy(buffer.data(), shorter.data(), shorter.size());
    const SStatus_words short_words = status_words_of(group);
    EXPECT_EQ(short_words.general_a, 0x000A0001u);
    EXPECT_EQ(short_words.fdir_level_1, 0x000D0004u);
    EXPECT_EQ(short_words.fdir_level_2, 0u) << "not the word of the frame before";
    EXPECT_EQ(short_words.fdir_level_3, 0u);
    EXPECT_EQ(short_words.fdir_level_4, 0u);
    EXPECT_EQ(short_words.fdir_level_5, 0u);
}

TEST(GoldenFrames, NamedBitsAreExactlyThoseOfTheComputer)
{
    std::array<std::byte, 2048> buffer{};
    CGroup_fdir group(buffer.data(), buffer.size());
    auto named = [](const auto &field) {
        std::vector<unsigned> bits;
        for (unsigned bit = 0; bit < field.bit_count; ++bit) {
            if (field.bit(bit) != nullptr) {
                bits.push_back(bit);
            }
        }
        return bits;
    };
    std::vector<unsigned> status_a = {0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                      10, 12, 13, 14, 15, 16, 17, 18, 19};
    EXPECT_EQ(named(group.general_status_a()), status_a);
    EXPECT_EQ(named(group.general_status_b()).size(), 32u);
    EXPECT_EQ(named(group.general_status_c()).size(), 10u);
    std::vector<unsigned> level_1 = {0,  1,  2,  5,  6,  7,  8,  9,  10, 11,
                                     12, 13, 14, 15, 20, 21, 25, 26, 27};
    EXPECT_EQ(named(group.fdir_level_1()), level_1);
    EXPECT_EQ(named(group.fdir_level_2()).size(), 5u);
    EXPECT_EQ(named(group.fdir_level_4()).size(), 5u);
    EXPECT_EQ(named(group.fdir_level_5()).size(), 8u);

    CGroup4 imu(buffer.data(), buffer.size());
    EXPECT_EQ(imu.imu_status().bit(0)->name(), "IMU Status Bit 0");
    EXPECT_EQ(imu.imu_status().bit(15)->name(), "IMU Status Bit 15");
    EXPECT_EQ(imu.bad_frame_status().bit(2)->name(), "3 Bad Raw IMU Frames");
}

TEST(GoldenFrames, Message0DecodesEveryField)
{
    Bytes body;
    frame_bytes::put_u16(body, 7); // message answered
    frame_bytes::put_u16(body, 9); // Byte Count Error
    frame_bytes::put_u8(body, 1);  // new parameters accepted
    Bytes name(32, std::byte{0});
    std::memcpy(name.data(), "Lever Arm X", 11);
    frame_bytes::append(body, name);
    const Bytes frame = frame_bytes::message(0, 4711, body);
    ASSERT_EQ(frame.size(), 52u);

    CMessage0 ack;
    std::memcpy(ack.buffer(), frame.data(), frame.size());
    EXPECT_TRUE(ack.is_current());
    EXPECT_EQ(ack.header().transaction_number().get(), 4711);
    EXPECT_EQ(ack.message_id_received().get(), 7);
    EXPECT_EQ(ack.response_code().get(), 9);
    EXPECT_FALSE(ack.response_code().is_accepted());
    EXPECT_TRUE(ack.new_parameters().accepted());
    EXPECT_EQ(ack.parameter_error_name().text(), "Lever Arm X");

    ack.response_code().set_invalid();
    EXPECT_EQ(ack.response_code().get(), 9) << "a response code is never replaced by no data";
}

TEST(GoldenFrames, Message14WithResetIsEncodedByteForByte)
{
    CMessage14 control;
    control.control().set(CMsg14_control::reset_computer);
    control.seal(1);
    // "$MSG", 14, byte count 8, transaction 1, control 101, checksum 0x47E9, "$#".
    const std::array<std::uint8_t, 16> expected = {0x24, 0x4D, 0x53, 0x47, 0x0E, 0x00, 0x08, 0x00,
                                                   0x01, 0x00, 0x65, 0x00, 0xE9, 0x47, 0x24, 0x23};
    ASSERT_EQ(control.frame().size(), expected.size());
    EXPECT_EQ(std::memcmp(control.frame().data(), expected.data(), expected.size()), 0);
}

TEST(GoldenFrames, Message2WithTwoGroupsIsEncodedByteForByte)
{
    CMessage2 selection;
    EXPECT_EQ(selection.set_group_count(2), 2u);
    selection.seal(5);
    // "$MSG", 2, byte count 16, transaction 5, count 2, groups 1 and 2, reserved 0, two pad
    // bytes, checksum 0x4849, "$#".
    const std::array<std::uint8_t, 24> expected = {0x24, 0x4D, 0x53, 0x47, 0x02, 0x00, 0x10, 0x00,
                                                   0x05, 0x00, 0x02, 0x00, 0x01, 0x00, 0x02, 0x00,
                                                   0x00, 0x00, 0x00, 0x00, 0x49, 0x48, 0x24, 0x23};
    ASSERT_EQ(selection.frame().size(), expected.size());
    EXPECT_EQ(std::memcmp(selection.frame().data(), expected.data(), expected.size()), 0);
}

// Three single-precision floats per vector, X, Y and Z.
void put_vectors(Bytes &body, const std::vector<std::array<float, 3>> &vectors)
{
    for (const std::array<float, 3> &vector : vectors) {
        for (const float component : vector) {
            frame_bytes::put_f32(body, component);
        }
    }
}

TEST(GoldenFrames, Message1IsEncodedByteForByte)
{
    CMessage1 installation;
    EXPECT_EQ(installation.time_tag_type().time_type_1().get(), CTime_tag_type::utc_time);
    EXPECT_EQ(installation.time_tag_type().time_type_2().get(), CTime_tag_type::koru_time);
    EXPECT_EQ(installation.distance_tag_type().distance_select().get(),
              CDistance_tag_type::koru_distance);
    EXPECT_FALSE(installation.auto_start_mode().auto_start().get());
    EXPECT_EQ(installation.multipath().get(), CMessage1::high);
    EXPECT_EQ(installation.time_tag_type().time_type_2().name(), "Time Type 2");
    EXPECT_EQ(installation.distance_tag_type().distance_select().name(), "Distance Select");
    EXPECT_EQ(installation.auto_start_mode().auto_start().name(), "Auto Start");
    EXPECT_EQ(installation.ref_to_vessel_lever_arm().z().name(), "Z Component");

    installation.time_tag_type().time_type_2().set(CTime_tag_type::user_time);
    installation.distance_tag_type().distance_select().set(CDistance_tag_type::dmi_distance);
    installation.auto_start_mode().auto_start().set(true);
    installation.ref_to_imu_lever_arm().x().set(1.5f);
    installation.ref_to_primary_gps_lever_arm().y().set(-0.25f);
    installation.imu_to_ref_mount_angle().z().set(179.5f);
    installation.ref_to_vessel_lever_arm().x().set(2.0f);
    installation.vessel_to_ref_mount_angle().y().set(-90.0f);
    installation.multipath().set(CMessage1::medium);
    installation.seal(21);

    Bytes body;
    frame_bytes::put_u8(body, 0x32); // time type 2 = user time, time type 1 = UTC
    frame_bytes::put_u8(body, 2);    // DMI distance
    frame_bytes::put_u8(body, 1);    // auto start
    put_vectors(body,
                {{{1.5f, 0, 0}, {0, -0.25f, 0}, {0, 0, 179.5f}, {2.0f, 0, 0}, {0, -90.0f, 0}}});
    frame_bytes::put_u8(body, 1); // medium multipath
    const Bytes expected = frame_bytes::message(1, 21, body);
    ASSERT_EQ(expected.size(), 80u);
    EXPECT_EQ(Bytes(installation.frame().begin(), installation.frame().end()), expected);
}

TEST(GoldenFrames, LidarMessagesAreEncodedByteForByte)
{
    CMessage20206 logging;
    EXPECT_EQ(logging.logging_control().get(), 0);
    logging.logging_control().set(CMessage20206::logging_enabled);
    logging.seal(7);
    Bytes body;
    frame_bytes::put_u8(body, 1);  // logging enabled
    frame_bytes::put_u32(body, 0); // flight line
    frame_bytes::put_u32(body, 0); // reserved
    Bytes expected = frame_bytes::message(20206, 7, body);
    ASSERT_EQ(expected.size(), 24u);
    EXPECT_EQ(Bytes(logging.frame().begin(), logging.frame().end()), expected);

    CMessage20207 address;
    EXPECT_EQ(address.connect_control().get(), 1) << "the Q240 tool asks the computer to connect";
    address.set_address({127, 0, 0, 10});
    address.reserved0().set(1);
    address.reserved1().set(1);
    address.reserved2().set(1);
    address.seal(65534);
    body.clear();
    for (const std::uint8_t part : {127, 0, 0, 10, 1, 1, 1}) {
        frame_bytes::put_u8(body, part);
    }
    frame_bytes::put_u32(body, 1);
    frame_bytes::put_u32(body, 0);
    expected = frame_bytes::message(20207, 65534, body);
    ASSERT_EQ(expected.size(), 32u);
    EXPECT_EQ(Bytes(address.frame().begin(), address.frame().end()), expected);
}

TEST(GoldenFrames, Message101IsEncodedByteForByte)
{
    CMessage101 mounting;
    mounting.sensor_1_mount_angles().x().set(10.0f);
    mounting.sensor_2_mount_angles().y().set(-20.0f);
    mounting.ref_to_aux_gps_lever_arm().z().set(0.5f);
    mounting.ref_to_sensor_1_lever_arm().x().set(1.0f);
    mounting.ref_to_sensor_2_lever_arm().y().set(2.0f);
    mounting.ref_to_heave_lever_arm().z().set(3.0f);
    mounting.ref_to_aux_2_gps_lever_arm().x().set(-4.0f);
    mounting.seal(65534);

    Bytes body;
    put_vectors(body, {{{10.0f, 0, 0},
                        {0, -20.0f, 0},
                        {0, 0, 0.5f},
                        {1.0f, 0, 0},
                        {0, 2.0f, 0},
                        {0, 0, 3.0f},
                        {-4.0f, 0, 0}}});
    const Bytes expected = frame_bytes::message(101, 65534, body);
    ASSERT_EQ(expected.size(), 100u);
    EXPECT_EQ(Bytes(mounting.frame().begin(), mounting.frame().end()), expected);
}

// The four port messages as a new record holds them, then with entries changed: every byte
// where the computer reads it.
TEST(GoldenFrames, PortMessagesAreEncodedByteForByte)
{
    CMessage102 com1;
    EXPECT_EQ(com1.com1().protocol().data_bits().name(), "Data Bits");
    EXPECT_EQ(com1.formula_select().bit(CCom1_formula::bits::prigga)->name(), "prigga");
    EXPECT_EQ(com1.formula_select().bit(CCom1_formula::bits::pashr_tss)->name(), "pashrTss");
    com1.formula_select().bit(CCom1_formula::bits::prigga)->set(true);
    com1.com1().baud_rate().set(CCom_port::baud_115200);
    com1.com1().protocol().parity().set(CCom_port_protocol::odd_parity);
    com1.com1().protocol().stop_bits().set(CCom_port_protocol::two_stop_bits);
    com1.pitch_sense().set(negative_sense);
    com1.update_rate().set(50);
    com1.seal(3);
    Bytes body;
    frame_bytes::put_u8(body, 0); // roll sense
    frame_bytes::put_u8(body, 1); // pitch sense
    frame_bytes::put_u8(body, 0); // heave sense
    frame_bytes::put_u32(body, 0x00008000);
    frame_bytes::put_u8(body, 1);                    // enabled
    frame_bytes::put_u8(body, 7);                    // 115200 baud
    frame_bytes::put_u16(body, 4 | 1 << 3 | 2 << 5); // odd, eight data bits, two stop bits
    frame_bytes::put_u16(body, 50);
    Bytes expected = frame_bytes::message(102, 3, body);
    ASSERT_EQ(expected.size(), 28u);
    EXPECT_EQ(Bytes(com1.frame().begin(), com1.frame().end()), expected);

    CMessage103 com2;
    com2.seal(4);
    body.clear();
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u16(body, 2); // format
    frame_bytes::put_u8(body, 1);
    frame_bytes::put_u8(body, 2);                    // 9600 baud
    frame_bytes::put_u16(body, 1 | 1 << 3 | 1 << 5); // none, eight, one
    frame_bytes::put_u16(body, 25);
    frame_bytes::put_u8(body, 0); // TM1B delay
    expected = frame_bytes::message(103, 4, body);
    ASSERT_EQ(expected.size(), 28u);
    EXPECT_EQ(Bytes(com2.frame().begin(), com2.frame().end()), expected);

    CMessage104 com3;
    com3.formula_select().set(CMessage104::azimuth_mount);
    com3.com3().port_control().set(CCom_port::disabled);
    com3.aux_2_protocol().set(CMessage104::cnav_navcom);
    com3.seal(5);
    body.clear();
    frame_bytes::put_u16(body, 6);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 2);
    frame_bytes::put_u16(body, 1 | 1 << 3 | 1 << 5);
    frame_bytes::put_u16(body, 0); // rate
    frame_bytes::put_u8(body, 0);  // AUX 1
    frame_bytes::put_u8(body, 1);  // AUX 2
    expected = frame_bytes::message(104, 5, body);
    ASSERT_EQ(expected.size(), 24u);
    EXPECT_EQ(Bytes(com3.frame().begin(), com3.frame().end()), expected);

    CMessage105 analog;
    analog.heave_scale_factor().set(2.5F);
    analog.seal(6);
    body.clear();
    frame_bytes::put_f32(body, 1.0F);
    frame_bytes::put_f32(body, 1.0F);
    frame_bytes::put_f32(body, 2.5F);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 2); // format
    frame_bytes::put_u8(body, 1); // enabled
    expected = frame_bytes::message(105, 6, body);
    ASSERT_EQ(expected.size(), 32u);
    EXPECT_EQ(Bytes(analog.frame().begin(), analog.frame().end()), expected);
}

TEST(GoldenFrames, DiagnosticsYawDriftAndOmniStarMessagesAreEncodedByteForByte)
{
    CMessage20102 com2_values;
    com2_values.heading_input().set(359.5F);
    com2_values.seal(7);
    Bytes body;
    frame_bytes::put_f32(body, 0);
    frame_bytes::put_f32(body, 0);
    frame_bytes::put_f32(body, 359.5F);
    frame_bytes::put_f32(body, 0);
    EXPECT_EQ(Bytes(com2_values.frame().begin(), com2_values.frame().end()),
              frame_bytes::message(20102, 7, body));

    CMessage20201 yaw_drift;
    yaw_drift.gain().set(0.5);
    yaw_drift.correction_method().set(CMessage20201::follow_desired_heading);
    yaw_drift.seal(8);
    body.clear();
    frame_bytes::put_f64(body, 0);
    frame_bytes::put_f64(body, 0);
    frame_bytes::put_f64(body, 0);
    frame_bytes::put_f64(body, 0.5);
    frame_bytes::put_u8(body, 1);
    Bytes expected = frame_bytes::message(20201, 8, body);
    ASSERT_EQ(expected.size(), 48u) << "one pad byte";
    EXPECT_EQ(Bytes(yaw_drift.frame().begin(), yaw_drift.frame().end()), expected);

    CMessage20205 gimbal;
    gimbal.seal(9);
    body.clear();
    frame_bytes::put_u8(body, 1); // stabilization on
    frame_bytes::put_u32(body, 0);
    frame_bytes::put_u32(body, 0);
    expected = frame_bytes::message(20205, 9, body);
    ASSERT_EQ(expected.size(), 24u);
    EXPECT_EQ(Bytes(gimbal.frame().begin(), gimbal.frame().end()), expected);

    CMessage17 omni_star;
    omni_star.mode_control().set(CMessage17::hp_only);
    omni_star.satellite_id().set(CMessage17::custom_satellite);
    omni_star.frequency().set(1557.8450);
    omni_star.bit_rate().set(1200);
    omni_star.seal(10);
    body.clear();
    frame_bytes::put_u8(body, 2);
    frame_bytes::put_u8(body, 1);
    frame_bytes::put_f64(body, 1557.8450);
    frame_bytes::put_u16(body, 1200);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_u16(body, 0);
    frame_bytes::put_f64(body, 0);
    expected = frame_bytes::message(17, 10, body);
    ASSERT_EQ(expected.size(), 40u) << "no pad";
    EXPECT_EQ(Bytes(omni_star.frame().begin(), omni_star.frame().end()), expected);
}

// The receivers' messages differ only in their number and the differential port's control; the
// address, event, accuracy and TWAN messages as a new record holds them.
TEST(GoldenFrames, ReceiverAddressEventAndTwanMessagesAreEncodedByteForByte)
{
    const auto receiver_body = [](std::uint8_t port_control) {
        Bytes body;
        frame_bytes::put_u8(body, 1);                    // automatic configuration
        frame_bytes::put_u8(body, 1);                    // NovAtel OEM2
        frame_bytes::put_u8(body, 1);                    // 1 Hz
        frame_bytes::put_u8(body, port_control);
        frame_bytes::put_u8(body, 2);                    // baud code
        frame_bytes::put_u16(body, 1 | 1 << 3 | 1 << 5); // none, eight, one
        frame_bytes::put_u8(body, 0);                    // L1
        frame_bytes::put_u8(body, 0);                    // no augmentation
        return body;
    };
    CMessage5 primary;
    primary.seal(11);
    Bytes expected = frame_bytes::message(5, 11, receiver_body(0));
    ASSERT_EQ(expected.size(), 24u) << "no pad";
    EXPECT_EQ(Bytes(primary.frame().begin(), primary.frame().end()), expected);
    CMessage110 secondary;
    secondary.seal(12);
    EXPECT_EQ(Bytes(secondary.frame().begin(), secondary.frame().end()),
              frame_bytes::message(110, 12, receiver_body(1)));

    CMessage6 address;
    address.address(0).set(std::uint8_t{10});
    address.address(3).set(std::uint8_t{254});
    address.seal(13);
    Bytes body;
    for (const std::uint8_t octet : {10, 168, 0, 254, 255, 255, 0, 0}) {
        frame_bytes::put_u8(body, octet);
    }
    expected = frame_bytes::message(6, 13, body);
    ASSERT_EQ(expected.size(), 24u) << "two pad bytes";
    EXPECT_EQ(Bytes(address.frame().begin(), address.frame().end()), expected);

    CMessage11 events;
    events.event_2_trigger().set(CMessage11::negative_edge);
    events.event_1_guard_time().set(std::uint16_t{300});
    events.seal(14);
    body.clear();
    frame_bytes::put_u8(body, 0);
    frame_bytes::put_u8(body, 1);
    frame_bytes::put_u16(body, 300);
    frame_bytes::put_u16(body, 0);
    EXPECT_EQ(Bytes(events.frame().begin(), events.frame().end()),
              frame_bytes::message(11, 14, body));

    CMessage107 accuracy;
    accuracy.seal(15);
    body.clear();
    for (const float value : {0.05f, 0.05f, 2.0f, 0.5f}) {
        frame_bytes::put_f32(body, value);
    }
    EXPECT_EQ(Bytes(accuracy.frame().begin(), accuracy.frame().end()),
              frame_bytes::message(107, 15, body));

    CMessage108 twan;
    twan.baseline_vector().component(1).set(-1.5f);
    twan.seal(16);
    body.clear();
    for (const float value : {0.0f, 0.0f, -1.5f, 0.0f, 3.0f, 0.0f}) {
        frame_bytes::put_f32(body, value);
    }
    EXPECT_EQ(Bytes(twan.frame().begin(), twan.frame().end()), frame_bytes::message(108, 16, body));
}

// Message 4 as the computer reads it: the count, the groups, then rate, logging mode, start bit
// and a 64-byte file name.
Bytes message4_body(const std::vector<std::uint16_t> &groups, std::uint16_t rate, std::uint8_t mode,
                    std::uint8_t control, std::string_view file_name, std::uint16_t count_written)
{
    Bytes body;
    frame_bytes::put_u16(body, count_written);
    for (const std::uint16_t group : groups) {
        frame_bytes::put_u16(body, group);
    }
    frame_bytes::put_u16(body, rate);
    frame_bytes::put_u8(body, mode);
    frame_bytes::put_u8(body, control);
    Bytes name(64, std::byte{0});
    std::memcpy(name.data(), file_name.data(), file_name.size());
    frame_bytes::append(body, name);
    return body;
}

TEST(Message4, BuiltWithFourGroupsAndKeepsWhatFollowsTheListWhenItsCountChanges)
{
    CMessage4 logging;
    logging.seal(1);
    EXPECT_EQ(
        Bytes(logging.frame().begin(), logging.frame().end()),
        frame_bytes::message(4, 1, message4_body({4, 101, 10001, 10101}, 1, 0, 0, "default", 4)));
    EXPECT_EQ(logging.groups()[3].name(), "Logging Port Group 3");

    logging.output_rate().set(50);
    logging.logging_mode().automatic_logging().set(true);
    logging.disk_logging_control().start_logging().set(true);
    logging.file_name().set("flight_7");
    EXPECT_EQ(logging.set_group_count(6), 6u);
    logging.groups()[4].set(1);
    logging.groups()[5].set(2);
    logging.seal(2);
    EXPECT_EQ(Bytes(logging.frame().begin(), logging.frame().end()),
              frame_bytes::message(
                  4, 2, message4_body({4, 101, 10001, 10101, 1, 2}, 50, 1, 1, "flight_7", 6)));

    EXPECT_EQ(logging.set_group_count(65), 64u);
    EXPECT_EQ(logging.header().byte_count().get(), 204);
    EXPECT_EQ(logging.output_rate().get(), 50) << "the rate moves behind the longer list";
    EXPECT_EQ(logging.file_name().text(), "flight_7");
    EXPECT_EQ(logging.set_group_count(0), 0u);
    EXPECT_TRUE(logging.disk_logging_control().start_logging().get());
    EXPECT_EQ(logging.file_name().text(), "flight_7");
    EXPECT_EQ(logging.frame().size(), 84u);
}

// An echo whose count is wrong, or that is cut short, must neither overrun the list nor let the
// rate, the bits or the file name be read from where they are not.
TEST(Message4, ReceivedCountIsClampedToRoomAndToTheFrame)
{
    CMessage4 echo;
    auto receive = [&echo](const Bytes &frame) {
        std::memcpy(echo.buffer(), frame.data(), std::min(frame.size(), echo.buffer_size()));
        return echo.lay_out_received();
    };

    EXPECT_EQ(receive(frame_bytes::message(4, 0, message4_body({}, 2, 0, 1, "none", 0))), 0u);
    EXPECT_EQ(echo.output_rate().get(), 2);
    EXPECT_TRUE(echo.disk_logging_control().start_logging().get());
    EXPECT_EQ(echo.file_name().text(), "none");

    std::vector<std::uint16_t> all(64);
    for (std::uint16_t i = 0; i < 64; ++i) {
        all[i] = static_cast<std::uint16_t>(20101 + i);
    }
    EXPECT_EQ(receive(frame_bytes::message(4, 0, message4_body(all, 200, 1, 0, "all", 64))), 64u);
    EXPECT_EQ(echo.groups()[63].get(), 20164);
    EXPECT_EQ(echo.output_rate().get(), 200);
    EXPECT_EQ(echo.file_name().text(), "all");
    EXPECT_TRUE(echo.holds(echo.file_name()));

    // 65 and 65535 claimed over four groups (no pad): the frame holds four, and the rest is
    // read where those four end.
    for (const std::uint16_t claimed : {std::uint16_t{65}, std::uint16_t{65535}}) {
        EXPECT_EQ(receive(frame_bytes::message(
                      4, 0, message4_body({1, 2, 101, 102}, 10, 0, 1, "four", claimed))),
                  4u)
            << claimed;
        EXPECT_EQ(echo.output_rate().get(), 10);
        EXPECT_EQ(echo.file_name().text(), "four");
        EXPECT_LE(echo.end(), echo.buffer() + echo.buffer_size());
    }

    // A frame cut off inside the file name holds the groups and the rate but not the name.
    Bytes body = message4_body({1, 101}, 20, 0, 0, "cut", 2);
    body.resize(body.size() - 40);
    EXPECT_EQ(receive(frame_bytes::message(4, 0, body)), 2u);
    EXPECT_TRUE(echo.has_value(echo.output_rate()));
    EXPECT_EQ(echo.output_rate().get(), 20);
    EXPECT_FALSE(echo.holds(echo.file_name()));

    // A frame too short for anything behind the count holds no group at all.
    Bytes stub;
    frame_bytes::put_u16(stub, 5);
    EXPECT_EQ(receive(frame_bytes::message(4, 0, stub)), 0u);
    EXPECT_FALSE(echo.holds(echo.output_rate()));
}

// Group 20106 without its "Data" values: file error, two counts, the SNV status, eleven counts,
// MPA status and the three errors.
Bytes group20106_without_data()
{
    Bytes body;
    frame_bytes::put_u32(body, 0);   // fopen error
    frame_bytes::put_u32(body, 900); // iin runs
    frame_bytes::put_u32(body, 2);   // restarts
    frame_bytes::put_u8(body, 254);  // SNV data status
    for (std::uint32_t count = 5; count <= 15; ++count) {
        frame_bytes::put_u32(body, count * 100);
    }
    frame_bytes::put_u32(body, static_cast<std::uint32_t>(-5)); // MPA status
    frame_bytes::put_u32(body, 11);
    frame_bytes::put_u32(body, 12);
    frame_bytes::put_u32(body, 13);
    return body;
}

TEST(GoldenFrames, Group20106WithItsDataValues)
{
    Bytes body = group20106_without_data();
    for (int i = 0; i < 10; ++i) {
        frame_bytes::put_f64(body, i == 3 ? 1e20 : 1.5 * i);
    }
    const Bytes frame = frame_bytes::group(20106, body);
    ASSERT_EQ(frame.size(), 192u);
    std::array<std::byte, 2048> buffer{};
    CGroup20106 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());

    EXPECT_TRUE(group.is_current());
    EXPECT_TRUE(group.carries_data());
    EXPECT_EQ(group.iin_runs().get(), 900u);
    EXPECT_EQ(group.iin_restarts().get(), 2u);
    EXPECT_TRUE(group.has_value(group.snv_data_status())) << "254 is a value";
    EXPECT_EQ(group.sdnav_runs().get(), 500u);
    EXPECT_EQ(group.msgs_from_imgr().get(), 1200u);
    EXPECT_EQ(group.imgr_msgs_rejected().get(), 1300u);
    EXPECT_EQ(group.imu_proxy_exceptions().get(), 1500u);
    EXPECT_EQ(group.mpa_status().get(), -5);
    EXPECT_EQ(group.error_1().get(), 11u);
    EXPECT_EQ(group.error_3().get(), 13u);
    EXPECT_DOUBLE_EQ(group.data(0).get(), 0.0);
    EXPECT_DOUBLE_EQ(group.data(9).get(), 13.5);
    EXPECT_FALSE(group.has_value(group.data(3))) << "1e20 is no data";
    EXPECT_TRUE(group.has_value(group.data(9)));
}

TEST(GoldenFrames, IinTaskGroupsSentWithoutTheirDataValues)
{
    const Bytes frame = frame_bytes::group(20106, group20106_without_data());
    ASSERT_EQ(frame.size(), 112u);
    std::array<std::byte, 2048> buffer{};
    CGroup20106 group(buffer.data(), buffer.size());
    std::memcpy(buffer.data(), frame.data(), frame.size());
    EXPECT_FALSE(group.carries_data());
    EXPECT_TRUE(group.has_value(group.error_3()));
    EXPECT_FALSE(group.has_value(group.data(0))) << "past the short frame's body";

    // The byte count of each group without its "Data" values: its own items, padded.
    const std::array<std::pair<std::unique_ptr<CGroup_base>, std::uint16_t>, 4> short_forms = {{
        {make_group<CGroup20106>(), 104},
        {make_group<CGroup20107>(), 76},
        {make_group<CGroup20108>(), 84},
        {make_group<CGroup20109>(), 92},
    }};
    for (const auto &[record, byte_count] : short_forms) {
        const auto &task = static_cast<const CIin_task_group &>(*record);
        EXPECT_EQ(task.short_byte_count(), byte_count) << task.name();
        EXPECT_LE(byte_count, CIin_task_group::largest_short_byte_count);
    }
}

Bytes logging_port_body(const std::vector<std::uint16_t> &groups, std::uint16_t rate,
                        std::uint16_t count)
{
    Bytes body;
    frame_bytes::put_u16(body, count);
    for (const std::uint16_t group : groups) {
        frame_bytes::put_u16(body, group);
    }
    frame_bytes::put_u16(body, rate);
    return body;
}

TEST(LoggingPortMessages, RateFollowsTheListOfEveryLengthUpToSixtyFour)
{
    CMessage16 secondary;
    secondary.seal(1);
    EXPECT_EQ(Bytes(secondary.frame().begin(), secondary.frame().end()),
              frame_bytes::message(16, 1, logging_port_body({}, 1, 0)));

    CMessage3 primary;
    primary.output_rate().set(50);
    std::vector<std::uint16_t> all(64);
    for (std::uint16_t i = 0; i < 64; ++i) {
        all[i] = static_cast<std::uint16_t>(20101 + i);
    }
    EXPECT_EQ(primary.set_group_count(65), 64u);
    for (std::size_t i = 0; i < 64; ++i) {
        primary.groups()[i].set(all[i]);
    }
    primary.seal(2);
    EXPECT_EQ(primary.header().byte_count().get(), 140);
    EXPECT_EQ(Bytes(primary.frame().begin(), primary.frame().end()),
              frame_bytes::message(3, 2, logging_port_body(all, 50, 64)));
    EXPECT_EQ(primary.set_group_count(1), 1u);
    EXPECT_EQ(primary.output_rate().get(), 50) << "the rate moves behind the shorter list";
}

// Counts 0, 64, 65 and 65535: never a read past the list's room or the frame, and the rate is
// read where the list the frame holds ends.
TEST(LoggingPortMessages, ReceivedCountIsClampedToRoomAndToTheFrame)
{
    CMessage3 echo;
    auto receive = [&echo](const Bytes &frame) {
        std::memcpy(echo.buffer(), frame.data(), std::min(frame.size(), echo.buffer_size()));
        return echo.lay_out_received();
    };
    EXPECT_EQ(receive(frame_bytes::message(3, 0, logging_port_body({}, 20, 0))), 0u);
    EXPECT_EQ(echo.output_rate().get(), 20);

    std::vector<std::uint16_t> all(64);
    for (std::uint16_t i = 0; i < 64; ++i) {
        all[i] = static_cast<std::uint16_t>(i + 1);
    }
    EXPECT_EQ(receive(frame_bytes::message(3, 0, logging_port_body(all, 200, 64))), 64u);
    EXPECT_EQ(echo.groups()[63].get(), 64);
    EXPECT_EQ(echo.output_rate().get(), 200);

    for (const std::uint16_t claimed : {std::uint16_t{65}, std::uint16_t{65535}}) {
        EXPECT_EQ(receive(frame_bytes::message(3, 0, logging_port_body({1, 2, 101}, 10, claimed))),
                  3u)
            << claimed;
        EXPECT_EQ(echo.output_rate().get(), 10) << claimed;
        EXPECT_LE(echo.end(), echo.buffer() + echo.buffer_size());
    }
}

TEST(Message2, BuiltWithFourGroupsAndNeverMoreThanSixtyFour)
{
    CMessage2 selection;
    EXPECT_EQ(selection.group_count().get(), 4);
    EXPECT_EQ(selection.groups()[3].get(), 101);
    EXPECT_EQ(selection.groups()[3].name(), "Display Port Group 3");
    EXPECT_EQ(selection.set_group_count(64), 64u);
    EXPECT_EQ(selection.header().byte_count().get(), 140);
    EXPECT_EQ(selection.set_group_count(65), 64u);
    EXPECT_EQ(selection.group_count().get(), 64);
    EXPECT_EQ(selection.size(), 148u);
}

// An echo whose count is wrong must neither overrun the list nor move "Reserved" out of the frame.
TEST(Message2, ReceivedCountIsClampedToRoomAndToTheFrame)
{
    CMessage2 echo;
    Bytes body;
    frame_bytes::put_u16(body, 65535);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_u16(body, 0);
    const Bytes two_groups = frame_bytes::message(2, 9, body);
    std::memcpy(echo.buffer(), two_groups.data(), two_groups.size());
    // A 24-byte frame holds two groups and two pad bytes, or three groups and none: three is the
    // most this byte count can hold.
    EXPECT_EQ(echo.lay_out_received(), 3u);
    EXPECT_TRUE(echo.holds(echo.reserved()));
    EXPECT_EQ(echo.groups()[1].get(), 2);
    EXPECT_LE(echo.end(), echo.buffer() + echo.buffer_size());

    Bytes full;
    frame_bytes::put_u16(full, 65535);
    for (std::uint16_t i = 0; i < 64; ++i) {
        frame_bytes::put_u16(full, i);
    }
    frame_bytes::put_u16(full, 0);
    const Bytes all_groups = frame_bytes::message(2, 10, full);
    ASSERT_EQ(all_groups.size(), 148u);
    std::memcpy(echo.buffer(), all_groups.data(), all_groups.size());
    EXPECT_EQ(echo.lay_out_received(), 64u) << "never more than the room for 64";
    EXPECT_EQ(echo.groups()[63].get(), 63);
    EXPECT_TRUE(echo.holds(echo.reserved()));

    Bytes honest;
    frame_bytes::put_u16(honest, 1);
    frame_bytes::put_u16(honest, 101);
    frame_bytes::put_u16(honest, 0);
    const Bytes one_group = frame_bytes::message(2, 11, honest);
    std::memcpy(echo.buffer(), one_group.data(), one_group.size());
    EXPECT_EQ(echo.lay_out_received(), 1u);
    EXPECT_EQ(echo.groups()[0].get(), 101);
    EXPECT_EQ(echo.reserved().start(), echo.buffer() + 14);
}

// A record that took the bytes of a frame with another count keeps the pad of its old layout
// until it is framed again.
TEST(Message2, TakenBytesAreFramedAgainForSending)
{
    CMessage2 stored;
    ASSERT_EQ(stored.frame().size(), 28u) << "four groups, two pad bytes";
    Bytes body;
    frame_bytes::put_u16(body, 3);
    frame_bytes::put_u16(body, 101);
    frame_bytes::put_u16(body, 1);
    frame_bytes::put_u16(body, 2);
    frame_bytes::put_u16(body, 0);
    const Bytes three_groups = frame_bytes::message(2, 0, body);
    ASSERT_EQ(three_groups.size(), 24u) << "no pad";
    std::memcpy(stored.buffer(), three_groups.data(), three_groups.size());
    EXPECT_EQ(stored.lay_out_received(), 3u);

    stored.refit_frame();
    stored.seal(0);
    EXPECT_EQ(Bytes(stored.frame().begin(), stored.frame().end()), three_groups);
}

TEST(Commands, DefaultsAsTheComputerExpectsThem)
{
    CMessage7 mode;
    EXPECT_EQ(mode.mode_type().get(), CMessage7::standby);
    CMessage8 save;
    EXPECT_FALSE(save.control().save_parameters().get());
    CMessage9 restore;
    EXPECT_TRUE(restore.control().load_parameters().get());
    EXPECT_EQ(std::to_integer<int>(restore.buffer()[10]), 1);
    CMessage13 general;
    EXPECT_FLOAT_EQ(general.rms_position().north().get(), 1000.0f);
    EXPECT_FLOAT_EQ(general.rms_position().east().get(), 1000.0f);
    EXPECT_FLOAT_EQ(general.rms_position().down().get(), 1000.0f);
    EXPECT_EQ(general.year().get(), 0);
    CMessage20202 free_inertial;
    EXPECT_EQ(free_inertial.mode_type().get(), 0);

    save.control().save_parameters().set(true);
    save.seal(3);
    EXPECT_EQ(std::to_integer<int>(save.buffer()[10]), 1);
}

TEST(Acknowledgement, RejectionTexts)
{
    EXPECT_EQ(rejection_text(7, 9, "Byte Count Error"), "Message 7 rejected! Byte Count Error.");
    EXPECT_EQ(rejection_text(7, 20, ""), "Message 7 rejected! Error code 20.");
    EXPECT_EQ(rejection_text(7, 3, "Message Accepted, but too Short"), std::nullopt);
    EXPECT_EQ(rejection_text(7, 0, "N/A"), std::nullopt);
    EXPECT_EQ(rejection_text(65535, 4, "Message Parameter Error"),
              "Message 65535 rejected! Message Parameter Error.");

    EXPECT_EQ(CMsg0_response_code::text_number(0), 12403);
    EXPECT_EQ(CMsg0_response_code::text_number(12), 12415);
    EXPECT_EQ(CMsg0_response_code::text_number(13), std::nullopt);
}

TEST(Acknowledgement, TransactionNumbersRunOneTo65534AndWrap)
{
    CTransaction_counter counter;
    EXPECT_EQ(counter.next(), 1);
    EXPECT_EQ(counter.next(), 2);
    std::uint16_t last = 2;
    for (int i = 3; i <= 65534; ++i) {
        last = counter.next();
        ASSERT_NE(last, 0);
    }
    EXPECT_EQ(last, 65534);
    EXPECT_EQ(counter.next(), 1) << "0 and 65535 are never used";
}

} // namespace
