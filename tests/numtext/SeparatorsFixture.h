#pragma once
// Tests that set the process-wide separators put the previous ones back afterwards.
#include "numtext/DecimalSeparators.h"

#include <gtest/gtest.h>

class SeparatorsTest : public ::testing::Test {
protected:
    SeparatorsTest() : FSavedDecimal(DecimalChar), FSavedGroup(GroupChar) {}
    ~SeparatorsTest() override
    {
        DecimalChar = FSavedDecimal;
        GroupChar = FSavedGroup;
    }
    static void UseSeparators(char decimal, char group)
    {
        DecimalChar = decimal;
        GroupChar = group;
    }

private:
    char FSavedDecimal;
    char FSavedGroup;
};
