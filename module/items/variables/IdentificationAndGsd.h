// The device identification values with their fillers, the GSD configuration
// constants and the profile name.
#pragma once

#include "items/variables/Variable.h"

// clang-format off
namespace variables::identification_and_gsd {

constexpr Variable kRows[] = {
    {.id = item::__ZTQ__phys_device_man_id, .size = 2, .handling = read},
    {.id = item::__ZTQ__device_man_id, .size = 2, .defaultValue = integer(17)},
    {.id = item::__ZTQ__phys_device_id, .size = 16, .handling = read},
    // Fillers: they only skip the other fields of the header record.
    {.id = item::__ZTQ__dummy__8bit, .size = 1},
    {.id = item::__ZTQ__dummy__16bit, .size = 2},
    {.id = item::__ZTQ__dummy__32bit, .size = 4},
    {.id = item::__ZTQ__phys_profile_rev, .size = 2, .handling = read},
    {.id = item::_ZTQGSD_SIFlag, .label = "SIFlag", .size = 1, .defaultValue = integer(0x8C)},
    {.id = item::_ZTQGSD_SlaveType, .label = "SlaveType", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_Max_Diag_Data_Len, .label = "Max_Diag_Data_Len", .size = 1, .defaultValue = integer(69)},
    {.id = item::_ZTQGSD_Max_Alarm_Len, .label = "Max_Alarm_Len", .size = 1, .defaultValue = integer(63)},
    {.id = item::_ZTQGSD_Max_Channel_Data_Len, .label = "Max_Channel_Data_Len", .size = 1, .defaultValue = integer(15)},
    {.id = item::_ZTQGSD_Diag_Upd_Delay, .label = "Diag_Upd_Delay", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_Alarm_Mode, .label = "Alarm_Mode", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_Add_SI_Flag, .label = "Add_SI_Flag", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_C2_Timeout, .label = "C2_Timeout", .size = 2, .defaultValue = integer(100)},
    {.id = item::_ZTQGSD_1_6_OctetReserverd, .label = "1_6_OctetReserverd", .size = 8, .defaultValue = text("00000000")},
    {.id = item::_ZTQGSD_Prm_Data_Len, .label = "Prm_Data_Len", .size = 2, .defaultValue = integer(10)},
    {.id = item::_ZTQGSD_ParamFlags, .label = "ParamFlags", .size = 1, .defaultValue = integer(0x10)},
    {.id = item::_ZTQGSD_WatchDog1, .label = "WatchDog1", .size = 1, .defaultValue = integer(1)},
    {.id = item::_ZTQGSD_WatchDog2, .label = "WatchDog2", .size = 1, .defaultValue = integer(1)},
    {.id = item::_ZTQGSD_minTsdr, .label = "minTsdr", .size = 1, .defaultValue = integer(11)},
    {.id = item::_ZTQGSD_identNumber, .label = "identNumber", .size = 2, .defaultValue = integer(0x153A)},
    {.id = item::_ZTQGSD_groupIdent, .label = "groupIdent", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_userPrm, .label = "userPrm", .size = 6, .defaultValue = text("000000")},
    {.id = item::_ZTQGSD_Modular_Station, .label = "Modular_Station", .size = 1, .defaultValue = integer(1)},
    {.id = item::_ZTQGSD_MaxModule, .label = "MaxModule", .size = 1, .defaultValue = integer(3)},
    {.id = item::_ZTQGSD_AddTab, .label = "AddTab", .size = 256, .defaultValue = text("")},
    {.id = item::_ZTQGSD_SlaveUserData, .label = "SlaveUserData", .size = 256, .defaultValue = text("")},
    {.id = item::_ZTQGSD_ChannelProtectionSlot01, .label = "Protection 01", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_ChannelProtectionSlot02, .label = "Protection 02", .size = 1, .defaultValue = integer(0)},
    {.id = item::_ZTQGSD_ChannelProtectionSlot03, .label = "Protection 03", .size = 1, .defaultValue = integer(0)},
    {.id = item::DEVICE_TYPE_Name, .label = "DEVICE_TYPE_Name", .size = 64, .defaultValue = text("Profile 3 Level")},
};

}  // namespace variables::identification_and_gsd
