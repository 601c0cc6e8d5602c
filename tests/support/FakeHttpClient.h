#pragma once

#include "texts/HttpClient.h"

#include <QStringList>

namespace vaduvizu::test {

// Answers every GET with the same canned answer and records the addresses asked for.
class FakeHttpClient : public HttpClient {
public:
    HttpAnswer answer; // a failure unless a test sets it
    QStringList requested;

    void answerWith(const QByteArray& body) { answer = {true, body}; }

    HttpAnswer get(const QString& url) override {
        requested << url;
        return answer;
    }
};

} // namespace vaduvizu::test
