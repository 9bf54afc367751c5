// SPDX-License-Identifier: GPL-3.0-or-later
// The tasks of topics 1 to 9: right and wrong entries, field lengths.
#include "task_case.h"

namespace rova::testing {
namespace {

const QString kRadio1 = QStringLiteral("AMRadioButton1");
const QString kRadio2 = QStringLiteral("AMRadioButton2");
const QString kRadio3 = QStringLiteral("AMRadioButton3");
const QString kRadio4 = QStringLiteral("AMRadioButton4");

const TaskCase kCases[] = {
    {1, 1, "Form5", {"1", "4"}, {"1", "3"}, {1, 2}},
    {1, 2, "Form8", {"30"}, {"31"}, {6}},
    {1, 3, "Form9", {"108"}, {"12"}, {6}},
    {1, 4, "Form10", {"18"}, {"9"}, {6}},
    {1, 5, "Form11", {"12"}, {"24"}, {6}},
    {2, 1, "Form12", {"5", "20"}, {"5", "21"}, {6, 6}},
    {2, 2, "Form13", {"16777216"}, {"24"}, {8}},
    {2, 3, "Form14", {"8"}, {"6"}, {6}},
    {2, 4, "Form15", {"11200"}, {"1120"}, {6}},
    {2, 5, "Form16", {"15"}, {"150"}, {6}},
    {3, 1, "Form17", {"3", "4"}, {"6", "8"}, {1, 2}},
    {3, 2, "Form18", {"29"}, {"13"}, {6}},
    {3, 3, "Form19", {"3", "8"}, {"3", "5"}, {2, 1}},
    {3, 4, "Form20", {"105"}, {"150"}, {6}},
    {3, 5, "Form21", {"2,9"}, {"2.8"}, {3}},
    {4, 1, "Form22", {"9", "25"}, {"1", "3"}, {2, 3}},
    {4, 2, "Form23", {"1545"}, {"45"}, {6}},
    {4, 3, "Form24", {"256"}, {"400"}, {6}},
    {4, 4, "Form25", {"172,8"}, {"168"}, {6}},
    {4, 5, "Form26", {"88200"}, {"105000"}, {6}},
    {5, 1, "Form27", {"0,44"}, {"0.45"}, {6}},
    {5, 2, "Form28", {"0,01"}, {"0,005"}, {6}},
    {5, 3, "Form29", {"22"}, {"2,2"}, {6}},
    {5, 4, "Form30", {"46"}, {"45,8"}, {6}},
    {5, 5, "Form31", {"6"}, {"5,54"}, {6}},
    {6, 1, "Form32", {"2x"}, {"2X"}, {6}},
    {6, 2, "Form33", {"2a", "3"}, {"2a", "2"}, {2, 1}},
    {6, 3, "Form34", {"2"}, {"0"}, {6}},
    {6, 4, "Form35", {"9"}, {"99"}, {6}},
    {6, 5, "Form36", {"2"}, {"8"}, {6}},
    {7, 1, "Form37", {"-4"}, {"4"}, {6}},
    {7, 2, "Form38", {"3"}, {"-3"}, {6}},
    {7, 3, "Form39", {"2"}, {"-2"}, {6}},
    {7, 4, "Form40", {"5"}, {"2"}, {6}},
    {7, 5, "Form41", {"108"}, {"115"}, {6}},
    {8, 1, "Form42", {"4950"}, {"5050"}, {6}},
    {8, 2, "Form43", {"192"}, {"492"}, {6}},
    {8, 3, "Form44", {"1994"}, {"1995"}, {6}},
    {8, 4, "Form45", {"903"}, {"846"}, {6}},
    {8, 5, "Form46", {"-3"}, {"3"}, {6}},
    {9, 1, "Form47", {kRadio2}, {kRadio1}, {}},
    {9, 2, "Form48", {kRadio1}, {kRadio2}, {}},
    {9, 3, "Form49", {kRadio4}, {kRadio1}, {}},
    {9, 4, "Form50", {kRadio3}, {kRadio2}, {}},
    {9, 5, "Form51", {"4"}, {"2"}, {6}},
};

INSTANTIATE_TEST_SUITE_P(Topics1To9, TaskAnswersTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           return "Task_" + std::to_string(info.param.topic) + "_" +
                                  std::to_string(info.param.task);
                         });

}  // namespace
}  // namespace rova::testing
