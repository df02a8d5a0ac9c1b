#include <winsock2.h>

#include "http_test_server.h"

#include <stdexcept>

namespace vask::test {

HttpTestServer::HttpTestServer(std::function<HttpReply(const std::string& path)> answer) : answer_(std::move(answer)) {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    local.sin_port = 0;  // the system chooses
    int size = sizeof(local);
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&local), sizeof(local)) != 0 ||
        listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &size) != 0)
        throw std::runtime_error("the test server cannot listen");
    port_ = ntohs(local.sin_port);
    thread_ = std::thread([this] { serve(); });
}

HttpTestServer::~HttpTestServer() {
    closesocket(listener_);  // accept() returns
    thread_.join();
    WSACleanup();
}

std::string HttpTestServer::address() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<HttpRequest> HttpTestServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void HttpTestServer::serve() {
    for (;;) {
        const SOCKET connection = accept(listener_, nullptr, nullptr);
        if (connection == INVALID_SOCKET) return;
        answerOne(connection);
        closesocket(connection);
    }
}

void HttpTestServer::answerOne(std::uintptr_t connection) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        const int got = recv(connection, buffer, sizeof(buffer), 0);
        if (got <= 0) return;
        head.append(buffer, static_cast<size_t>(got));
    }
    const size_t pathStart = head.find(' ') + 1;
    const std::string path = head.substr(pathStart, head.find(' ', pathStart) - pathStart);
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back({path, head.substr(0, head.find("\r\n\r\n"))});
    }
    const HttpReply reply = answer_(path);
    if (reply.delayMs) Sleep(reply.delayMs);
    const std::string message = "HTTP/1.1 " + std::to_string(reply.status) +
                                " Test\r\nContent-Length: " + std::to_string(reply.body.size()) +
                                "\r\nConnection: close\r\n" + reply.headers + "\r\n" + reply.body;
    // The client may stop reading (a reply too long): what is left is dropped.
    for (size_t sent = 0; sent < message.size();) {
        const int n = send(connection, message.data() + sent, static_cast<int>(message.size() - sent), 0);
        if (n <= 0) return;
        sent += static_cast<size_t>(n);
    }
}

}  // namespace vask::test
