// Method runs against the stand-in host's simulated device: the frame of every
// run, the abort rule, the dispatcher, and each body's branches over more
// values and failures than the golden runs show.
#include <climits>
#include <cstring>
#include <set>

#include "host/MethodInterface.h"
#include "tests/TestSupport.h"

namespace {

using Lines = std::vector<std::string>;

struct MethodRow {
    std::int32_t id;
    const char* name;
};

// Attributes and texts are pinned by the golden files.
const MethodRow kMethods[] = {
    {121, "method_phys_factory_reset_params"},
    {122, "method_phys_factory_reset_warm"},
    {123, "method_phys_factory_reset_address"},
    {124, "method_phys_factory_reset_device_specific"},
    {138, "GetNumericSoftwareRevision"},
    {272, "method_check_func1_AI_alarm_hys"},
    {376, "method_set_status_limit_1"},
    {435, "method_preset_alarm"},
    {498, "method_parWriteLocking_remember"},
    {499, "method_parWriteLocking_check"},
    {611, "updateParShowAccess"},
    {612, "uploadVariablesPreWriteActions"},
    {613, "uploadVariablesPostWriteActions"},
    {614, "meth_reset_trans1_min_sensor_value"},
    {615, "meth_reset_trans1_max_sensor_value"},
    {616, "meth_reset_min_temperature"},
    {617, "meth_reset_max_temperature"},
    {618, "meth_pe_trans1_calibration_type_offline"},
    {619, "meth_transfer_calibration_empty"},
    {620, "meth_transfer_calibration_full"},
    {625, "method_output_limits_remember"},
    {626, "method_output_limits_reset"},
    {627, "method_output_limits_restore"},
    {632, "set_unit_to_bus_offline_post_edit"},
    {634, "set_unit_to_bus_online_post_edit"},
};

const char* const kLockedResets[] = {"meth_reset_trans1_min_sensor_value", "meth_reset_trans1_max_sensor_value",
                                     "meth_reset_min_temperature", "meth_reset_max_temperature"};

const std::set<std::string> kInterfaceOps = {
    "BeginMethod",  "PutMessageValues", "GetResult",     "SetResult",   "HasFailed",       "AbortMethod",
    "ShowMessage",  "PutFloatValue",    "GetFloatValue", "EditValue",   "PutIntegerValue", "GetIntegerValue",
    "GetLongValue", "SaveValues",       "GetVariableId", "ReadCommand", "WriteCommand"};
// Operations that the failure test follows.
const std::set<std::string> kTestedOps = {"ShowMessage", "EditValue", "GetVariableId", "ReadCommand", "WriteCommand"};

const char* const kOnlineCalibrationText =
    "Online Calibration not possible in Offlinetable. See Menu Device, Calibration.|de|Online Abgleich in "
    "Offlinetabelle nicht möglich. Siehe Menü Gerät, Grundabgleich.";
const char* const kHysteresisText =
    "The error signal hysteresis is invalid and will be set to 5 percent of the alarm limit value.  |de|Alarm-Hysterese "
    "ist ungültig und wird auf 5 Prozent der Alarmgrenzwerte eingestellt!  |fr|L'hystérésis du signal d'alarme n'est "
    "pas valide et sera réglée à 5 % de la valeur limite d'alarme.  |it|L'isteresi per l'elaborazione dell'allarme "
    "non è valida e viene, pertanto impostata al 5 % dei valori limite.  |es|La histéresis de la alarma no es válida, "
    "por lo que se ajustará al 5% de los límites de la alarma.";

std::string op(const std::string& line) { return line.substr(0, line.find(' ')); }

std::string firstTwoWords(const std::string& line) {
    const auto first = line.find(' ');
    return first == std::string::npos ? line : line.substr(0, line.find(' ', first + 1));
}

// The method-interface calls of the last run; message texts are checked
// byte-exact through messages(), so they are cut from the lines here.
Lines trace(Session& s) {
    Lines out;
    for (const auto& line : s.host().log().lines()) {
        const std::string o = op(line);
        if (!kInterfaceOps.count(o)) continue;
        out.push_back(o == "ShowMessage" ? o : o == "EditValue" ? firstTwoWords(line) : line);
    }
    return out;
}

std::int32_t run(Session& s, const char* method, bool ignoreFailures = false, std::int32_t arg = 0) {
    s.host().log().clear();
    const CDDObject* stored = s.host().objectNamed(method);
    EXPECT_NE(stored, nullptr) << method;
    if (!stored) return INT_MIN;
    std::unique_ptr<CDDObject> copy(stored->clone());
    return s.calculator().ExecuteMethod(ContextWord{0}, copy.get(), arg, ignoreFailures);
}

// The lines of a plain run with result 0.
Lines framed(const char* method, Lines body) {
    body.insert(body.begin(), std::string("BeginMethod ") + method + " 0");
    body.push_back("GetResult 0");
    return body;
}

// Numeric variants compare by value across kinds.
::testing::AssertionResult Same(const CDDCommonVariant& actual, const CDDCommonVariant& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << variantText(actual) << " (" << kindName(actual.kind()) << "), expected "
                                         << variantText(expected);
}

std::string fl(float value) { return variantText(CDDCommonVariant(value)); }

CDDCommonVariant value(Session& s, const char* name) { return s.host().value(s.host().idOf(name)); }
CDDCommonVariant device(Session& s, const char* name) { return s.host().deviceValue(s.host().idOf(name)); }
float deviceFloat(Session& s, const char* name) { return static_cast<float>(device(s, name).asDouble()); }

void setAll(Session& s, std::initializer_list<const char*> assignments) {
    for (const char* a : assignments) EXPECT_NO_THROW(s.set(a)) << a;
}

void setRevision(Session& s, const char* chars, bool hostToo) {
    for (int i = 0; i < 6; ++i) {
        const std::int32_t id = s.host().idOf("phys_software_rev_00" + std::to_string(i));
        s.host().setDeviceValue(id, CDDCommonVariant(static_cast<int>(chars[i])));
        if (hostToo) s.host().setValue(id, CDDCommonVariant(static_cast<int>(chars[i])));
    }
}

// Values under which every method takes its longest path.
void richState(Session& s) {
    setAll(s, {"parWriteLocking=9361", "var_locking_local=0", "parWriteLocking_DIAGNOSTIC=0",
               "parWriteLocking_BACKUP=0", "func1_AI_hi_hi_lim=100.0", "func1_AI_hi_lim=80.0", "func1_AI_lo_lim=20.0",
               "func1_AI_lo_lo_lim=0.0", "func1_AI_alarm_hys=200.0", "var_local_hi_hi=90.0", "var_local_hi=70.0",
               "var_local_lo=30.0", "var_local_lo_lo=10.0", "trans1_calibration_type=0",
               "trans1_calibration_type_offline=1", "func1_AI_simulate_status_quality=32", "func1_AI_target_mode=16",
               "func1_AI_out_status_quality=48", "phys_factory_reset=0"});
    setRevision(s, "V1.23.", true);
    s.host().scriptAnswer(CDDCommonVariant(2712));
}

Lines normalTrace(const char* method) {
    auto s = openSession();
    richState(*s);
    EXPECT_EQ(run(*s, method), 0) << method;
    return trace(*s);
}

}  // namespace

// ------------------------------------------------------------ frame and abort rule

TEST(MethodsFrame, EveryRunIsBegunOnceFirstEndedOnceLastAndTestsOnlyTheFiveOperations) {
    for (const auto& m : kMethods) {
        auto s = openSession();
        richState(*s);
        EXPECT_EQ(run(*s, m.name, false, m.id * 10 + 3), 0) << m.name;
        const Lines all = s->host().log().lines();
        EXPECT_EQ(s->host().log().count("CreateMethodInterface"), 1u) << m.name;
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.front(), "CreateMethodInterface") << m.name;
        const Lines t = trace(*s);
        ASSERT_GE(t.size(), 2u) << m.name;
        EXPECT_EQ(t.front(), std::string("BeginMethod ") + m.name + " " + std::to_string(m.id * 10 + 3));
        EXPECT_EQ(t.back(), "GetResult 0") << m.name;
        EXPECT_EQ(s->host().log().count("BeginMethod"), 1u) << m.name;
        EXPECT_EQ(s->host().log().count("GetResult"), 1u) << m.name;
        EXPECT_EQ(s->host().log().count("AbortMethod") + s->host().log().count("SetResult"), 0u) << m.name;
        for (std::size_t i = 1; i < t.size(); ++i) {
            EXPECT_EQ(op(t[i]) == "HasFailed", kTestedOps.count(op(t[i - 1])) > 0) << m.name << " line " << i;
            if (op(t[i]) == "ShowMessage" || op(t[i]) == "EditValue") {
                EXPECT_EQ(op(t[i - 1]), "PutMessageValues") << m.name;
            }
            if (op(t[i - 1]) == "PutMessageValues") {
                EXPECT_TRUE(op(t[i]) == "ShowMessage" || op(t[i]) == "EditValue") << m.name;
            }
        }
        EXPECT_TRUE(s->host().errors().empty()) << m.name;
        EXPECT_EQ(s->host().alive(), 0) << m.name;
    }
}

TEST(MethodsAbort, EachTestedFailureStopsTheRunUnlessFailuresAreIgnored) {
    int cases = 0;
    for (const auto& m : kMethods) {
        const Lines normal = normalTrace(m.name);
        std::map<std::string, int> seen;
        for (std::size_t i = 0; i < normal.size(); ++i) {
            const std::string o = op(normal[i]);
            if (!kTestedOps.count(o)) continue;
            const int nth = ++seen[o];
            ++cases;
            const std::string where = std::string(m.name) + " " + o + " #" + std::to_string(nth);
            {
                auto s = openSession();
                richState(*s);
                s->host().scriptFailure(o, nth);
                EXPECT_EQ(run(*s, m.name, false), -2) << where;
                Lines expected(normal.begin(), normal.begin() + static_cast<long>(i) + 1);
                // A failed lookup gives no identifier.
                if (o == "GetVariableId") expected.back() = firstTwoWords(expected.back()) + " 0";
                expected.insert(expected.end(), {"HasFailed true", "AbortMethod 0", "SetResult -2", "GetResult -2"});
                EXPECT_EQ(trace(*s), expected) << where;
                EXPECT_EQ(s->host().alive(), 0) << where;
            }
            {
                auto s = openSession();
                richState(*s);
                s->host().scriptFailure(o, nth);
                EXPECT_EQ(run(*s, m.name, true), 0) << where;
                Lines expected, seenOps;
                for (const auto& line : normal) expected.push_back(firstTwoWords(line));
                expected[i + 1] = "HasFailed true";
                for (const auto& line : trace(*s)) seenOps.push_back(firstTwoWords(line));
                EXPECT_EQ(seenOps, expected) << where;
                EXPECT_EQ(s->host().alive(), 0) << where;
            }
        }
    }
    EXPECT_EQ(cases, 37);
}

// ------------------------------------------------------------ dispatcher

TEST(MethodsDispatch, EveryMethodIdRunsWithItsArgumentUnchangedEvenWhenInvalid) {
    auto s = openSession();
    s->set("parWriteLocking=0");
    for (const std::int32_t arg : {0, -1, 7, INT32_MAX, INT32_MIN}) {
        for (const auto& m : kMethods) {
            EXPECT_EQ(run(*s, m.name, arg % 2 != 0, arg), 0) << m.name;
            const Lines t = trace(*s);
            ASSERT_FALSE(t.empty()) << m.name;
            EXPECT_EQ(t.front(), std::string("BeginMethod ") + m.name + " " + std::to_string(arg));
        }
    }
    // The invalid resets still write.
    for (const char* reset : kLockedResets) {
        run(*s, reset);
        EXPECT_EQ(s->host().log().count("WriteCommand"), 1u) << reset;
    }
    EXPECT_TRUE(s->host().errors().empty());
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(MethodsDispatch, OtherIdsGiveMinusOneAndOneTextWithoutARun) {
    auto s = openSession();
    std::vector<std::unique_ptr<CDDObject>> objects;
    for (const char* name : {"parWriteLocking", "Page_reset", "write_phys_factory_reset", "AI_OUT_SCALE_UNIT",
                             "highest_rel_offset__num_parameters", "physical_block"}) {
        ASSERT_NE(s->host().objectNamed(name), nullptr) << name;
        objects.emplace_back(s->host().objectNamed(name)->clone());
    }
    for (const std::int32_t id : {0, 120, 125, 137, 139, 493, 633, 635, 636, 100000})
        objects.push_back(std::make_unique<CDDMethod>(CDDDefinition(id, "method_preset_alarm", ddkMethod)));
    s->host().log().clear();
    for (const auto& object : objects) {
        const std::size_t before = s->host().errors().size();
        EXPECT_EQ(s->calculator().ExecuteMethod(ContextWord{0}, object.get(), 5, false), -1)
            << object->getcDefinition()->getID();
        ASSERT_EQ(s->host().errors().size(), before + 1);
        EXPECT_EQ(s->host().errors().back(), ":   0,  0 : illegal method ID (execute)");
    }
    for (const std::int32_t id : {-1, -121, INT32_MIN}) {
        CDDMethod negative(CDDDefinition(id, "method_preset_alarm", ddkMethod));
        EXPECT_EQ(s->calculator().ExecuteMethod(ContextWord{0}, &negative, 5, false), -1);
    }
    EXPECT_EQ(s->calculator().ExecuteMethod(ContextWord{0}, nullptr, 5, false), -1);
    EXPECT_EQ(s->host().errors().size(), objects.size());
    EXPECT_EQ(s->host().log().count("CreateMethodInterface"), 0u);
    EXPECT_EQ(s->host().alive(), 0);
}

// ------------------------------------------------------------ factory resets

TEST(MethodsFactoryReset, AFailedMessageKeepsTheCodeFromTheDeviceUnlessIgnored) {
    for (const bool ignore : {false, true}) {
        auto s = openSession();
        setAll(*s, {"phys_factory_reset=0"});
        s->host().scriptFailure("ShowMessage");
        EXPECT_EQ(run(*s, "method_phys_factory_reset_params", ignore), ignore ? 0 : -2);
        EXPECT_TRUE(Same(device(*s, "phys_factory_reset"), CDDCommonVariant(ignore ? 1 : 0))) << ignore;
        EXPECT_EQ(s->host().log().count("SaveValues"), ignore ? 2u : 0u);
    }
    auto s = openSession();
    setAll(*s, {"phys_factory_reset=0"});
    s->host().scriptFailure("WriteCommand");
    EXPECT_EQ(run(*s, "method_phys_factory_reset_address"), -2);
    EXPECT_TRUE(Same(value(*s, "phys_factory_reset"), CDDCommonVariant(0)));  // nothing saved
    EXPECT_EQ(s->host().alive(), 0);
}

// ------------------------------------------------------------ write lock and access

TEST(MethodsWriteLock, EditSequenceKeepsOnlyZeroAndTheUnlockCode) {
    auto s = openSession();
    setAll(*s, {"parWriteLocking=0", "var_locking_local=0"});
    const std::int32_t lockId = s->host().idOf("parWriteLocking");
    struct Step {
        int entered, lock, local;
    };
    const Step steps[] = {{9361, 9361, 9361},   {1234, 9361, 9361}, {9360, 9361, 9361}, {0, 0, 0},
                          {9361 + 65536, 0, 0}, {-1, 0, 0},         {9361, 9361, 9361}, {9361, 9361, 9361}};
    for (const auto& step : steps) {
        EXPECT_EQ(run(*s, "method_parWriteLocking_remember"), 0);
        s->host().setValue(lockId, CDDCommonVariant(step.entered));  // the user's entry
        EXPECT_EQ(run(*s, "method_parWriteLocking_check"), 0);
        EXPECT_TRUE(Same(value(*s, "parWriteLocking"), CDDCommonVariant(step.lock))) << step.entered;
        EXPECT_TRUE(Same(value(*s, "var_locking_local"), CDDCommonVariant(step.local))) << step.entered;
        for (const char* reset : kLockedResets) {
            auto method = calculateAs<CDDMethod>(*s, reset);
            EXPECT_EQ(method->getValidity(), step.lock == 9361) << step.entered << " " << reset;
            EXPECT_EQ(s->calculator().MethodValidity(ContextWord{0}, method.get()), step.lock == 9361);
        }
    }
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(MethodsWriteLock, OnlyTheUnlockCodeShowsTheCustomersAccess) {
    // The remember and check bodies' calls, and this one's at 0 and 9361, are
    // pinned by the golden runs; here also the codes beside the unlock code.
    auto s = openSession();
    for (const int lock : {9361, 0, 1, 9360, 9362, 4, -9361}) {
        setAll(*s, {"parShowAccess=7"});
        s->host().setValue(s->host().idOf("parWriteLocking"), CDDCommonVariant(lock));
        run(*s, "updateParShowAccess");
        const int access = lock == 9361 ? 4 : 0;
        EXPECT_EQ(trace(*s), framed("updateParShowAccess",
                                    {"GetIntegerValue parWriteLocking " + std::to_string(lock),
                                     "PutIntegerValue parShowAccess " + std::to_string(access), "SaveValues"}));
        EXPECT_TRUE(Same(value(*s, "parShowAccess"), CDDCommonVariant(access))) << lock;
    }
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(MethodsOutputLimits, ResetAndRestoreOnlyReadTheLockUnlessItIsTheUnlockCode) {
    // Remember, and reset and restore at 0 and 9361, are pinned by the golden
    // runs; here also the codes beside the unlock code.
    auto s = openSession();
    for (const int lock : {0, 9360, 9362, 1}) {
        s->host().setValue(s->host().idOf("parWriteLocking"), CDDCommonVariant(lock));
        for (const char* m : {"method_output_limits_reset", "method_output_limits_restore"}) {
            run(*s, m);
            EXPECT_EQ(trace(*s), framed(m, {"GetLongValue parWriteLocking " + std::to_string(lock)})) << lock;
        }
    }
    EXPECT_EQ(s->host().alive(), 0);
}

// ------------------------------------------------------------ calibration

TEST(MethodsCalibration, TransfersSendThePointOnlyForOfflineCalibration) {
    for (const int type : {0, 1, 2}) {
        auto s = openSession();
        setAll(*s, {("trans1_calibration_type=" + std::to_string(type)).c_str()});
        for (const char* v : {"trans1_cal_point_lo", "trans1_level_lo", "parBargraphScaleMin", "trans1_cal_point_hi",
                              "trans1_level_hi", "parBargraphScaleMax"})
            put(*s, v, CDDCommonVariant(1.0));
        const float held[] = {2.5f, 3.5f, 4.5f, 5.5f, 6.5f, 7.5f};
        const char* names[] = {"trans1_cal_point_lo", "trans1_level_lo", "parBargraphScaleMin",
                               "trans1_cal_point_hi", "trans1_level_hi", "parBargraphScaleMax"};
        for (int i = 0; i < 6; ++i) s->host().setValue(s->host().idOf(names[i]), CDDCommonVariant(held[i]));
        const std::string t = "GetIntegerValue trans1_calibration_type " + std::to_string(type);
        for (const char* side : {"empty", "full"}) {
            const bool empty = std::string(side) == "empty";
            const std::string m = std::string("meth_transfer_calibration_") + side;
            EXPECT_EQ(run(*s, m.c_str()), 0);
            Lines body{t};
            for (const char* c :
                 {empty ? "trans1_cal_point_lo" : "trans1_cal_point_hi", empty ? "trans1_level_lo" : "trans1_level_hi",
                  empty ? "parBargraphScaleMin" : "parBargraphScaleMax"}) {
                if (type != 0 && std::string(c).find("cal_point") != std::string::npos) continue;
                body.push_back(std::string("WriteCommand write_") + c);
                body.push_back("HasFailed false");
            }
            EXPECT_EQ(trace(*s), framed(m.c_str(), body)) << type;
        }
        for (int i = 0; i < 6; ++i) {
            const bool sent = type == 0 || i % 3 != 0;
            EXPECT_EQ(deviceFloat(*s, names[i]), sent ? held[i] : 1.0f) << names[i] << " " << type;
        }
        EXPECT_EQ(s->host().log().count("SaveValues"), 0u);
        EXPECT_EQ(s->host().alive(), 0);
    }
}

TEST(MethodsCalibration, OnlineTypeInTheOfflineTableIsRefusedWithOneMessage) {
    auto s = openSession();
    for (const int type : {0, 2, 1}) {
        setAll(*s, {("trans1_calibration_type_offline=" + std::to_string(type)).c_str()});
        EXPECT_EQ(run(*s, "meth_pe_trans1_calibration_type_offline"), 0);
        Lines body{"GetIntegerValue trans1_calibration_type_offline " + std::to_string(type)};
        if (type == 1) body.insert(body.end(), {"PutMessageValues", "ShowMessage", "HasFailed false"});
        EXPECT_EQ(trace(*s), framed("meth_pe_trans1_calibration_type_offline", body));
    }
    EXPECT_EQ(s->host().messages(), Lines{kOnlineCalibrationText});
    EXPECT_EQ(std::strlen(kOnlineCalibrationText), 163u);
    EXPECT_TRUE(Same(value(*s, "trans1_calibration_type_offline"), CDDCommonVariant(1)));
    EXPECT_EQ(s->host().alive(), 0);
}

// ------------------------------------------------------------ numeric software revision

TEST(MethodsSoftwareRevision, DigitsOfCharactersTwoToSixMakeTheNumber) {
    const std::pair<const char*, int> cases[] = {
        {"V1.23.", 123}, {"Vabcde", 0},     {"9.....", 0},  {"x12345", 12345}, {"x99999", 99999},
        {"x/0:9/", 9},   {"x90807", 90807}, {"x 1 2 ", 12}, {"0a0b0c", 0},     {"x~@[`\x7f", 0}};
    for (const auto& [chars, number] : cases) {
        auto s = openSession();
        setRevision(*s, "777777", true);  // the host's own values differ from the device's
        setRevision(*s, chars, false);
        EXPECT_EQ(run(*s, "GetNumericSoftwareRevision"), 0);
        Lines body{"ReadCommand read_phys_software_rev_numeric", "HasFailed false"};
        for (int i = 1; i < 6; ++i) {
            const int code = chars[i];
            const int reads = code < 48 ? 1 : code < 58 ? 3 : 2;
            for (int r = 0; r < reads; ++r)
                body.push_back("GetIntegerValue phys_software_rev_00" + std::to_string(i) + " " + std::to_string(code));
        }
        body.push_back("PutIntegerValue phys_software_rev_numeric " + std::to_string(number));
        body.push_back("SaveValues");
        EXPECT_EQ(trace(*s), framed("GetNumericSoftwareRevision", body)) << chars;
        EXPECT_TRUE(Same(value(*s, "phys_software_rev_numeric"), CDDCommonVariant(number))) << chars;
        EXPECT_EQ(s->host().alive(), 0);
    }
}

TEST(MethodsSoftwareRevision, AFailedReadStopsUnlessIgnoredThenTheHostsValuesCount) {
    for (const bool ignore : {false, true}) {
        auto s = openSession();
        setRevision(*s, "x7a8b9", true);
        setRevision(*s, "V1.23.", false);
        setAll(*s, {"phys_software_rev_numeric=5"});
        s->host().scriptFailure("ReadCommand");
        EXPECT_EQ(run(*s, "GetNumericSoftwareRevision", ignore), ignore ? 0 : -2);
        EXPECT_EQ(s->host().log().count("GetIntegerValue"), ignore ? 13u : 0u);
        EXPECT_TRUE(Same(value(*s, "phys_software_rev_numeric"), CDDCommonVariant(ignore ? 789 : 5)));
    }
}

// ------------------------------------------------------------ alarm hysteresis

TEST(MethodsHysteresis, AnInvalidHysteresisBecomesFivePercentOfTheSpanWithAMessage) {
    struct Case {
        float hiHi, loLo, hys;
        bool corrected;
    };
    const Case cases[] = {
        {100, 0, 5, false},     {100, 0, 0, false}, {100, 0, 99.99f, false},   {100, 0, 100, true},
        {100, 0, 100.5f, true}, {100, 0, -1, true}, {100, 0, -0.001f, true},   {0, 100, 100, true},
        {0, 100, 50, false},    {50, 50, 0, true},  {50, 50, -2, true},        {-20, -70, 2, false},
        {-20, -70, 50, true},   {0.2f, 0, 1, true}, {10.1f, 0.3f, 9.8f, true}, {10.1f, 0.3f, 9.79f, false}};
    for (const auto& c : cases) {
        const std::string where = fl(c.hiHi) + " " + fl(c.loLo) + " " + fl(c.hys);
        auto s = openSession();
        put(*s, "func1_AI_hi_hi_lim", CDDCommonVariant(c.hiHi));
        put(*s, "func1_AI_lo_lo_lim", CDDCommonVariant(c.loLo));
        put(*s, "func1_AI_alarm_hys", CDDCommonVariant(c.hys));
        EXPECT_EQ(run(*s, "method_check_func1_AI_alarm_hys"), 0) << where;
        float span = c.hiHi - c.loLo;
        if (span < 0) span = -span;
        const float corrected = static_cast<float>(static_cast<double>(span) * 0.05);
        Lines body{"GetFloatValue func1_AI_hi_hi_lim " + fl(c.hiHi), "GetFloatValue func1_AI_lo_lo_lim " + fl(c.loLo),
                   "GetFloatValue func1_AI_alarm_hys " + fl(c.hys)};
        if (c.corrected)
            body.insert(body.end(), {"PutFloatValue func1_AI_alarm_hys " + fl(corrected), "SaveValues",
                                     "GetVariableId func1_AI_alarm_hys 273", "HasFailed false",
                                     "GetVariableId func1_AI_out_unit 303", "HasFailed false",
                                     "PutMessageValues hi_hi_lim=" + fl(c.hiHi) + " lo_lo_lim=" + fl(c.loLo) +
                                         " hyst=" + fl(c.hys) + " hyst_new=" + fl(corrected) + " fDiff=" + fl(span) +
                                         " var_id=[273,303,0]",
                                     "ShowMessage", "HasFailed false"});
        EXPECT_EQ(trace(*s), framed("method_check_func1_AI_alarm_hys", body)) << where;
        EXPECT_TRUE(Same(value(*s, "func1_AI_alarm_hys"), CDDCommonVariant(c.corrected ? corrected : c.hys))) << where;
        EXPECT_EQ(s->host().messages(), c.corrected ? Lines{kHysteresisText} : Lines{}) << where;
        EXPECT_EQ(s->host().alive(), 0);
    }
}

TEST(MethodsHysteresis, AFailedIdentifierLookupStopsAfterTheCorrectionWasSaved) {
    for (const char* failing : {"GetVariableId", "ShowMessage"}) {
        auto s = openSession();
        setAll(*s, {"func1_AI_hi_hi_lim=100.0", "func1_AI_lo_lo_lim=0.0", "func1_AI_alarm_hys=-1.0"});
        s->host().scriptFailure(failing);
        EXPECT_EQ(run(*s, "method_check_func1_AI_alarm_hys"), -2);
        EXPECT_TRUE(Same(value(*s, "func1_AI_alarm_hys"), CDDCommonVariant(5.0f))) << failing;
        EXPECT_EQ(s->host().log().count("PutMessageValues"), std::string(failing) == "ShowMessage" ? 1u : 0u);
        EXPECT_EQ(s->host().alive(), 0);
    }
}

// ------------------------------------------------------------ status limit

TEST(MethodsStatusLimit, LimitsAreClearedForQualities32And48OutputOnlyInManual) {
    struct Case {
        int simQuality, mode, outQuality;
        bool simCleared, outCleared;
    };
    const Case cases[] = {{32, 8, 16, true, false},   {48, 128, 0, true, false},   {16, 16, 48, false, true},
                          {0, 8, 48, false, false},   {33, 16, 32, false, true},   {32, 16, 48, true, true},
                          {47, 16, 33, false, false}, {49, 128, 32, false, false}, {48, 17, 48, true, false}};
    for (const auto& c : cases) {
        auto s = openSession();
        setAll(*s, {"func1_AI_simulate_status_limit=2", "func1_AI_out_status_limit=3"});
        put(*s, "func1_AI_simulate_status_quality", CDDCommonVariant(c.simQuality));
        put(*s, "func1_AI_target_mode", CDDCommonVariant(c.mode));
        put(*s, "func1_AI_out_status_quality", CDDCommonVariant(c.outQuality));
        EXPECT_EQ(run(*s, "method_set_status_limit_1"), 0);
        Lines body{"GetIntegerValue func1_AI_simulate_status_quality " + std::to_string(c.simQuality)};
        if (c.simCleared) body.push_back("PutIntegerValue func1_AI_simulate_status_limit 0");
        body.push_back("GetIntegerValue func1_AI_target_mode " + std::to_string(c.mode));
        body.push_back("GetIntegerValue func1_AI_out_status_quality " + std::to_string(c.outQuality));
        if (c.outCleared) body.push_back("PutIntegerValue func1_AI_out_status_limit 0");
        EXPECT_EQ(trace(*s), framed("method_set_status_limit_1", body))
            << c.simQuality << " " << c.mode << " " << c.outQuality;
        EXPECT_EQ(s->host().alive(), 0);
    }
}
