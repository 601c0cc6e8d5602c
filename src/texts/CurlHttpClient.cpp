#include "texts/HttpClient.h"

#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace vaduvizu {

namespace {

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodyBuffer {
    QByteArray bytes;
    bool tooLarge = false;
};

size_t appendBody(char* data, size_t size, size_t count, void* userData) {
    auto* buffer = static_cast<BodyBuffer*>(userData);
    const size_t length = size * count;
    if (buffer->bytes.size() + qsizetype(length) > CurlHttpClient::MaxBodySize) {
        buffer->tooLarge = true;
        return 0; // makes libcurl abort the transfer
    }
    buffer->bytes.append(data, qsizetype(length));
    return length;
}

} // namespace

CurlHttpClient::CurlHttpClient(std::chrono::milliseconds connectTimeout,
                               std::chrono::milliseconds totalTimeout)
    : m_connectTimeout(connectTimeout), m_totalTimeout(totalTimeout) {
    initialiseCurlOnce();
}

HttpAnswer CurlHttpClient::get(const QString& url) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return {};

    const QByteArray urlBytes = url.toUtf8();
    BodyBuffer buffer;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    // The configurator reads no environment variables: an empty proxy disables
    // http_proxy and friends.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, long(m_connectTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, long(m_totalTimeout.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &buffer);

    if (curl_easy_perform(handle) != CURLE_OK || buffer.tooLarge)
        return {};
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        return {};
    return {true, buffer.bytes};
}

} // namespace vaduvizu
