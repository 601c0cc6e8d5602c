#include "texts/VersionCheck.h"
#include "support/LocalHttpServer.h"
#include "texts/HttpClient.h"

#include <gtest/gtest.h>

using namespace vaduvizu;
using vaduvizu::test::LocalHttpServer;

namespace {

struct ConvCase {
    const char* text;
    int number;
};

class ConvVersion : public testing::TestWithParam<ConvCase> {};

TEST_P(ConvVersion, ReadsFourDigitsSkippingTheSecondCharacter) {
    EXPECT_EQ(Conv_Version(QString::fromUtf8(GetParam().text)), GetParam().number)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvVersion,
    testing::Values(ConvCase{"VER. 1.003", 1003}, ConvCase{"1.002", 1002},
                    ConvCase{"1.0035", 1003},         // characters after the 5th are ignored
                    ConvCase{"VER. 10.02", -1},       // the point lands on the 3rd character
                    ConvCase{"VER.   2.500  ", 2500}, // trimmed after the first blank
                    ConvCase{"x 1.002 beta", 1002},   // only the first five characters count
                    ConvCase{"1.00", -1}, ConvCase{"", -1}, ConvCase{"VER. X.YZW", -1},
                    ConvCase{"VER. -.001", -1}, ConvCase{"VER. +.999", -1}, ConvCase{"abc", -1},
                    ConvCase{"0.000", 0}, ConvCase{"9-999", 9999}));

struct AnswerCase {
    const char* answer;
    bool newer;
};

class NewerVersion : public testing::TestWithParam<AnswerCase> {};

TEST_P(NewerVersion, ComparesWithTheInstalledVersion) {
    EXPECT_EQ(isNewerVersion(QString::fromUtf8(GetParam().answer), QStringLiteral("1.002")),
              GetParam().newer)
        << GetParam().answer;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NewerVersion,
    testing::Values(AnswerCase{"VER. 1.003", true}, AnswerCase{"  VER. 2.000\r\n", true},
                    AnswerCase{"ver. 1.010", true}, AnswerCase{"VER. 1.002", false},
                    AnswerCase{"VER. 1.001", false}, AnswerCase{"VER. 0.000", false},
                    AnswerCase{"ver. 0.000", false}, AnswerCase{"  VER. 0.000  ", false},
                    AnswerCase{"", false}, AnswerCase{"   ", false},
                    AnswerCase{"VER. X.YZW", false}, AnswerCase{"abc", false},
                    AnswerCase{"<html>Not Found</html>", false}));

TEST(VersionCheckLinks, AddressTheMakersServerWithTheProductCodes) {
    const QString host = makerHost();
    EXPECT_FALSE(host.isEmpty());
    EXPECT_EQ(versionRequestUrl(),
              "http://" + host + "/home/download/GetversionSW.asp?nomesw=VUD3O58");
    EXPECT_EQ(downloadPageUrl(), "http://" + host + "/Home/download/download.asp#HDT3K58");
    EXPECT_EQ(homePageUrl(), "http://" + host + "/HOME/default.asp?frompg=VUD3O58");
}

struct ServerCase {
    const char* name;
    QByteArray response; // empty: the server never answers
    bool newer;
};

class VersionCheckAgainstServer : public testing::TestWithParam<ServerCase> {};

TEST_P(VersionCheckAgainstServer, AnnouncesOnlyANewerVersion) {
    LocalHttpServer server(GetParam().response);
    CurlHttpClient client(std::chrono::milliseconds(1000), std::chrono::milliseconds(400));
    EXPECT_EQ(Check_Version(client, server.url("/home/download/GetversionSW.asp?nomesw=VUD3O58")),
              GetParam().newer);

    const QByteArray request = server.lastRequest();
    EXPECT_TRUE(
        request.startsWith("GET /home/download/GetversionSW.asp?nomesw=VUD3O58 HTTP/1.0\r\n"))
        << request.constData();
    EXPECT_FALSE(request.toLower().contains("\ncookie:"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionCheckAgainstServer,
    testing::Values(
        ServerCase{"Newer", LocalHttpServer::answer("VER. 1.003"), true},
        ServerCase{"Same", LocalHttpServer::answer("VER. 1.002"), false},
        ServerCase{"NoVersionLowerCase", LocalHttpServer::answer("ver. 0.000"), false},
        ServerCase{"Garbage", LocalHttpServer::answer("<html>Welcome</html>"), false},
        ServerCase{"HttpError", LocalHttpServer::answer("VER. 9.999", "500 Internal Error"), false},
        ServerCase{"NotFound", LocalHttpServer::answer("VER. 9.999", "404 Not Found"), false},
        ServerCase{"NoAnswerWithinTimeOut", QByteArray(), false}),
    [](const testing::TestParamInfo<ServerCase>& param) { return std::string(param.param.name); });

TEST(CurlHttpClient, ReturnsTheBodyOfASuccessfulAnswer) {
    LocalHttpServer server(LocalHttpServer::answer("VER. 1.003"));
    CurlHttpClient client;
    const HttpAnswer answer = client.get(server.url("/x"));
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.body, "VER. 1.003");
}

TEST(CurlHttpClient, RefusesAnswersThatAreNotPlainSuccess) {
    const QByteArray huge(CurlHttpClient::MaxBodySize + 1, 'V');
    const QByteArray redirect = "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/\r\n"
                                "Content-Length: 10\r\n\r\nVER. 9.999";
    for (const QByteArray& response : {LocalHttpServer::answer(huge), redirect}) {
        LocalHttpServer server(response);
        CurlHttpClient client(std::chrono::milliseconds(1000), std::chrono::milliseconds(2000));
        const HttpAnswer answer = client.get(server.url("/x"));
        EXPECT_FALSE(answer.ok);
        EXPECT_TRUE(answer.body.isEmpty());
    }
}

TEST(CurlHttpClient, FailsQuietlyWhenNothingListens) {
    quint16 freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        freePort = probe.serverPort();
    }
    CurlHttpClient client(std::chrono::milliseconds(500), std::chrono::milliseconds(500));
    EXPECT_FALSE(client.get(QStringLiteral("http://127.0.0.1:%1/").arg(freePort)).ok);
}

} // namespace
