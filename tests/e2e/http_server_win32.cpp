#include "e2e/http_server_win32.h"

#include <ws2tcpip.h>

#include <chrono>

namespace e2e {
namespace {

struct WinsockStarted {
  WinsockStarted() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void startWinsock() { static WinsockStarted started; }

SOCKET listenOnLoopback(unsigned short& port) {
  startWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return s;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof(address);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(s, 8) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(s);
    return INVALID_SOCKET;
  }
  port = ntohs(address.sin_port);
  return s;
}

void sendAll(SOCKET s, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    int n = send(s, bytes.data() + sent, static_cast<int>(std::min<size_t>(bytes.size() - sent, 1 << 16)), 0);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

constexpr auto kLongestLife = std::chrono::minutes(5);

}  // namespace

LocalWebServer::LocalWebServer() {
  listener_ = listenOnLoopback(port_);
  if (listening()) thread_ = std::thread([this] { run(); });
}

LocalWebServer::~LocalWebServer() { stop(); }

void LocalWebServer::stop() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  listener_ = INVALID_SOCKET;
}

std::wstring LocalWebServer::address(const std::string& path) const {
  std::string text = "http://127.0.0.1:" + std::to_string(port_) + path;
  return std::wstring(text.begin(), text.end());
}

void LocalWebServer::serve(const std::string& path, const std::string& body) {
  std::lock_guard<std::mutex> lock(mutex_);
  files_[path] = body;
}

void LocalWebServer::forget(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  files_.erase(path);
}

void LocalWebServer::run() {
  auto end = std::chrono::steady_clock::now() + kLongestLife;
  while (!stopping_ && std::chrono::steady_clock::now() < end) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener_, &ready);
    timeval wait{0, 100000};
    if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    answer(client);
    closesocket(client);
  }
}

void LocalWebServer::answer(SOCKET client) {
  DWORD limit = 5000;
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof(limit));
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    int n = recv(client, buffer, sizeof(buffer), 0);
    if (n <= 0) return;
    request.append(buffer, static_cast<size_t>(n));
  }
  ++requests_;
  size_t pathStart = request.find(' ') + 1;
  std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
  std::string body;
  bool found = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(path);
    if (it != files_.end()) {
      body = it->second;
      found = true;
    }
  }
  std::string head;
  if (found) {
    head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n";
  } else {
    body = "<!DOCTYPE html><html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>";
    head = "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\n";
  }
  head += "Content-Length: " + std::to_string(body.size()) + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n";
  sendAll(client, head);
  if (request.rfind("HEAD ", 0) != 0) sendAll(client, body);
}

unsigned short unusedPort() {
  unsigned short port = 0;
  SOCKET s = listenOnLoopback(port);
  if (s != INVALID_SOCKET) closesocket(s);
  return port;
}

}  // namespace e2e
