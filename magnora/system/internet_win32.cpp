// The network check behind dictation. Name lookups cannot be given a time
// limit, so the whole check runs on a helper thread and the bar waits for it
// no longer than its limit; a late answer is dropped.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "magnora/system/system_win32.h"

namespace magnora {
namespace {

using Clock = std::chrono::steady_clock;

struct Outcome {
  std::mutex lock;
  std::condition_variable ready;
  bool done = false;
  bool connected = false;
};

struct AddressList {
  addrinfo* first = nullptr;
  ~AddressList() {
    if (first) freeaddrinfo(first);
  }
};

bool connectOne(const addrinfo& address, Clock::time_point deadline) {
  SOCKET s = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (s == INVALID_SOCKET) return false;
  u_long nonBlocking = 1;
  bool connected = false;
  if (ioctlsocket(s, FIONBIO, &nonBlocking) == 0) {
    if (connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) {
      connected = true;
    } else if (WSAGetLastError() == WSAEWOULDBLOCK) {
      auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
      if (left.count() > 0) {
        timeval wait{static_cast<long>(left.count() / 1000000), static_cast<long>(left.count() % 1000000)};
        fd_set writable;
        fd_set failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(s, &writable);
        FD_SET(s, &failed);
        if (select(0, nullptr, &writable, &failed, &wait) > 0 && FD_ISSET(s, &writable)) {
          int error = 0;
          int length = sizeof(error);
          connected = getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 &&
                      error == 0;
        }
      }
    }
  }
  closesocket(s);
  return connected;
}

bool tryConnect(const std::string& host, const std::string& service, Clock::time_point deadline) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  bool connected = false;
  {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    AddressList addresses;
    int found = getaddrinfo(host.c_str(), service.c_str(), &hints, &addresses.first);
    // A machine without a services list still knows the web's port.
    if (found != 0 && service == "http") found = getaddrinfo(host.c_str(), "80", &hints, &addresses.first);
    if (found == 0) {
      for (addrinfo* a = addresses.first; a && !connected && Clock::now() < deadline; a = a->ai_next)
        connected = connectOne(*a, deadline);
    }
  }
  WSACleanup();
  return connected;
}

}  // namespace

bool connectWithin(const std::string& host, const std::string& service, int timeoutMilliseconds) {
  auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  auto outcome = std::make_shared<Outcome>();
  try {
    std::thread([outcome, host, service, deadline] {
      bool connected = tryConnect(host, service, deadline);
      std::lock_guard<std::mutex> hold(outcome->lock);
      outcome->connected = connected;
      outcome->done = true;
      outcome->ready.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    return false;
  }
  std::unique_lock<std::mutex> hold(outcome->lock);
  if (!outcome->ready.wait_until(hold, deadline, [&] { return outcome->done; })) return false;
  return outcome->connected;
}

}  // namespace magnora
