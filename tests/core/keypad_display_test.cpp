// Key sequences found by fuzzing the keypad's display, kept as regression cases.
#include <gtest/gtest.h>

#include "KeypadDisplay.h"

TEST(KeypadDisplayFound, EnterThatDropsTheCommaFreesTheDecimalKey)
{
    // Keys 5 , x->M M->x Enter: the recalled "5," loses its comma on Enter.
    KeypadDisplay keypad;
    keypad.appendDigit('5');
    keypad.enterPoint();
    ASSERT_TRUE(keypad.store(1));
    keypad.recall(1);
    EXPECT_EQ(keypad.finish(), "5");
    EXPECT_FALSE(keypad.pointEntered());
    keypad.enterPoint();
    keypad.appendDigit('2');
    EXPECT_EQ(keypad.text(), "5,2");
}

TEST(KeypadDisplayFound, EnterKeepsAnInnerComma)
{
    KeypadDisplay keypad;
    keypad.appendDigit('1');
    keypad.enterPoint();
    keypad.appendDigit('5');
    EXPECT_EQ(keypad.finish(), "1,5");
    EXPECT_TRUE(keypad.pointEntered());
    keypad.enterPoint();
    EXPECT_EQ(keypad.text(), "1,5");
}
