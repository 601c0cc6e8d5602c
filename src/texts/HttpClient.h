#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>

namespace vaduvizu {

// Outcome of one GET: ok only for an answer with a 2xx status; body is empty otherwise.
struct HttpAnswer {
    bool ok = false;
    QByteArray body;
};

// One synchronous HTTP GET. Windows reach the network only through this interface, so that
// tests answer from a local server or a double.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpAnswer get(const QString& url) = 0;
};

// HTTP 1.0 GET through libcurl: no cookies, no proxy taken from the environment, no
// redirects followed, bounded time-outs so the calling window is never blocked for long,
// and a bounded body so a misbehaving server cannot flood memory.
class CurlHttpClient : public HttpClient {
public:
    static constexpr std::chrono::milliseconds DefaultConnectTimeout{3000};
    static constexpr std::chrono::milliseconds DefaultTotalTimeout{5000};
    static constexpr qsizetype MaxBodySize = 64 * 1024;

    explicit CurlHttpClient(std::chrono::milliseconds connectTimeout = DefaultConnectTimeout,
                            std::chrono::milliseconds totalTimeout = DefaultTotalTimeout);

    HttpAnswer get(const QString& url) override;

private:
    std::chrono::milliseconds m_connectTimeout;
    std::chrono::milliseconds m_totalTimeout;
};

} // namespace vaduvizu
