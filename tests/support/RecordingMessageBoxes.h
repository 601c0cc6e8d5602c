#pragma once

#include "app/MessageBoxes.h"
#include "app/UrlOpener.h"

#include <QStringList>
#include <deque>

namespace vaduvizu::test {

// Records every message box instead of showing it; questions take the queued answers
// (Yes when none is queued).
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString kind; // "error", "warning" or "confirm"
        QString text;
    };
    std::vector<Box> shown;
    std::deque<bool> nextAnswers;

    void error(QWidget*, const QString& text) override { shown.push_back({"error", text}); }
    void warning(QWidget*, const QString& text) override { shown.push_back({"warning", text}); }
    bool confirm(QWidget*, const QString& text) override {
        shown.push_back({"confirm", text});
        if (nextAnswers.empty())
            return true;
        const bool answer = nextAnswers.front();
        nextAnswers.pop_front();
        return answer;
    }
    QStringList texts() const {
        QStringList result;
        for (const Box& box : shown)
            result << box.text;
        return result;
    }
};

class RecordingUrlOpener : public UrlOpener {
public:
    QStringList opened;
    void open(const QString& url) override { opened << url; }
};

} // namespace vaduvizu::test
