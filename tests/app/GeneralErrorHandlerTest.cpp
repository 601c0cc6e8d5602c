#include "app/GeneralErrorHandler.h"
#include "app/FileError.h"
#include "support/RecordingMessageBoxes.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vaduvizu::test {
namespace {

TEST(GeneralErrorHandlerTest, AFailureEndsTheOperationAndIsShownInAnErrorBox) {
    struct Case {
        const char* what;
        std::function<void()> failure;
        QString shown;
    };
    const Case cases[] = {
        {"file error", [] { throw FileError("\"/p/ParGen.xml\" is not a valid XML file"); },
         "\"/p/ParGen.xml\" is not a valid XML file"},
        {"other exception", [] { throw std::runtime_error("out of range"); }, "out of range"},
        {"not an exception class", [] { throw 42; }, "Unexpected error"},
    };
    for (const Case& c : cases) {
        RecordingMessageBoxes boxes;
        bool reachedEnd = false;
        const bool completed = guarded(nullptr, boxes, [&] {
            c.failure();
            reachedEnd = true;
        });
        EXPECT_FALSE(completed) << c.what;
        EXPECT_FALSE(reachedEnd) << c.what;
        ASSERT_EQ(boxes.shown.size(), 1u) << c.what;
        EXPECT_EQ(boxes.shown[0].kind, "error");
        EXPECT_EQ(boxes.shown[0].text, c.shown);
    }
}

TEST(GeneralErrorHandlerTest, AnOperationThatSucceedsShowsNothing) {
    RecordingMessageBoxes boxes;
    bool ran = false;
    EXPECT_TRUE(guarded(nullptr, boxes, [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace vaduvizu::test
