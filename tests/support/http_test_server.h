#pragma once
// A small HTTP server of the tests' own on 127.0.0.1, at a port the system
// chooses: it answers each request with what the test says for its path and
// records every request it was sent. One connection at a time.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vask::test {

struct HttpReply {
    int status = 200;
    std::string body = {};
    std::string headers = {};  // further header lines, each ending in "\r\n"
    unsigned delayMs = 0;      // before the reply is sent
};

struct HttpRequest {
    std::string path;  // with its query
    std::string head;  // the request line and headers, as sent
};

class HttpTestServer {
public:
    explicit HttpTestServer(std::function<HttpReply(const std::string& path)> answer);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    std::string address() const;  // "http://127.0.0.1:PORT"
    std::vector<HttpRequest> requests() const;

private:
    void serve();
    void answerOne(std::uintptr_t connection);  // a SOCKET

    std::function<HttpReply(const std::string&)> answer_;
    std::uintptr_t listener_;  // a SOCKET
    unsigned short port_ = 0;
    mutable std::mutex mutex_;
    std::vector<HttpRequest> requests_;
    std::thread thread_;
};

}  // namespace vask::test
