// SPDX-License-Identifier: GPL-3.0-or-later
// The tasks of topics 10 to 18: right and wrong entries, field lengths. A
// task with more than one telling wrong entry (a blank, a point for the
// comma, the fields swapped) has a row for each.
#include "task_case.h"

namespace rova::testing {
namespace {

const QString kRadio1 = QStringLiteral("AMRadioButton1");
const QString kRadio2 = QStringLiteral("AMRadioButton2");
const QString kRadio3 = QStringLiteral("AMRadioButton3");

const TaskCase kCases[] = {
    {10, 1, "Form52", {"2"}, {"2,0"}, {3}},
    {10, 1, "Form52", {"2"}, {" 2"}, {3}},
    {10, 2, "Form53", {kRadio3}, {kRadio2}, {}},  // "Negali": g(1) = -4, not 4
    {10, 3, "Form54", {kRadio2}, {kRadio1}, {}},
    {10, 4, "Form55", {kRadio1}, {kRadio3}, {}},
    {10, 5, "Form56", {kRadio1}, {kRadio2}, {}},
    {11, 1, "Form57", {"3", "-1"}, {"3", "- 1"}, {6, 6}},
    {11, 1, "Form57", {"3", "-1"}, {"3,0", "-1"}, {6, 6}},
    {11, 2, "Form58", {"1", "2"}, {"2", "1"}, {6, 6}},
    {11, 3, "Form59", {"5", "-2"}, {"5", "2"}, {6, 6}},
    {11, 4, "Form60", {"2", "18"}, {"18", "2"}, {6, 6}},
    {11, 5, "Form61", {"16"}, {"12"}, {6}},
    {12, 1, "Form62", {"-2"}, {"b>-2"}, {6}},
    {12, 1, "Form62", {"-2"}, {"-2,0"}, {6}},
    {12, 2, "Form63", {kRadio1}, {kRadio3}, {}},
    {12, 3, "Form64", {kRadio3}, {kRadio1}, {}},
    {12, 4, "Form65", {kRadio2}, {kRadio1}, {}},
    {12, 5, "Form66", {kRadio3}, {kRadio2}, {}},
    {13, 1, "Form67", {"40"}, {"320"}, {6}},
    {13, 2, "Form68", {"112"}, {"68"}, {6}},
    {13, 3, "Form69", {kRadio1}, {kRadio2}, {}},
    {13, 4, "Form70", {"76"}, {"104"}, {6}},
    {13, 5, "Form71", {"75"}, {"75 "}, {6}},
    {14, 1, "Form72", {"50"}, {"130"}, {6}},
    {14, 2, "Form73", {"20"}, {"20cm"}, {6}},
    {14, 3, "Form74", {"116"}, {"32"}, {6}},
    {14, 4, "Form75", {"2,8"}, {"2.9"}, {6}},  // a point in a wrong number is judged wrong
    {14, 5, "Form76", {"20"}, {"20,02"}, {6}},
    {14, 5, "Form76", {"20,0"}, {"20,00"}, {6}},
    {15, 1, "Form77", {"24"}, {"12"}, {6}},
    {15, 2, "Form78", {"32"}, {"8"}, {6}},
    {15, 3, "Form79", {"1"}, {"2"}, {6}},
    {15, 4, "Form80", {"400"}, {"800"}, {6}},
    {15, 5, "Form81", {"50"}, {"25"}, {6}},
    {16, 1, "Form82", {"302"}, {"302,1"}, {6}},
    {16, 2, "Form83", {"60"}, {"30"}, {6}},
    {16, 3, "Form84", {"60"}, {"120"}, {6}},
    {16, 4, "Form85", {"10"}, {"14"}, {6}},
    {16, 5, "Form86", {"40"}, {"50"}, {6}},
    {17, 1, "Form87", {"2"}, {"3"}, {6}},
    {17, 2, "Form88", {"19"}, {"12"}, {6}},
    {17, 3, "Form89", {kRadio2}, {kRadio1}, {}},
    {17, 4, "Form90", {kRadio1}, {kRadio2}, {}},  // the leftmost option, "Taip", is wrong here
    {17, 5, "Form91", {kRadio2}, {kRadio3}, {}},
    {18, 1, "Form92", {"3"}, {"4,5"}, {6}},
    {18, 2, "Form93", {"40"}, {"20"}, {6}},
    {18, 3, "Form94", {"120"}, {"60"}, {6}},
    {18, 4, "Form95", {kRadio2}, {kRadio1}, {}},
    {18, 5, "Form96", {"1", "2"}, {"2", "1"}, {1, 2}},
    {18, 5, "Form96", {"9", "18"}, {"1", "3"}, {1, 2}},
};

INSTANTIATE_TEST_SUITE_P(Topics10To18, TaskAnswersTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           return "Task_" + std::to_string(info.param.topic) + "_" +
                                  std::to_string(info.param.task) + "_" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace rova::testing
