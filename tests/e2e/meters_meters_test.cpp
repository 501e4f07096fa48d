// The meters as a user sees them: the gadget repaints every second and its
// graphs follow the machine's memory, processor and network.
// winsock2.h before anything that brings in windows.h.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

// Panels at 96 dpi and 100 %, in the window: x, y, width, height.
struct Box {
    int x, y, width, height;
};
constexpr Box CLOCK_PANEL{6, 6, 124, 124}, CPU_PANEL{6, 258, 60, 54}, MEMORY_PANEL{70, 315, 60, 64},
    RX_PANEL{6, 382, 60, 74}, TX_PANEL{70, 382, 60, 74};
// The first theme's graph colours.
constexpr uint32_t GREEN = 0x00FF00, BLUE = 0x6060FF;

POINT windowOrigin(const GadgetProcess& gadget) {
    POINT origin{0, 0};
    ClientToScreen(gadget.window(), &origin);
    return origin;
}

// The highest row of the graph over the columns of the newest samples, in
// 96-dpi units above the panel's bottom edge (the edge lines are left out).
std::optional<double> graphHeight(const GadgetProcess& gadget, const Box& panel, uint32_t colour) {
    POINT o = windowOrigin(gadget);
    RECT area{o.x + panel.x, o.y + panel.y, o.x + panel.x + panel.width, o.y + panel.y + panel.height};
    ScreenShot shot(area);
    std::optional<int> top;
    for (int x = area.right - 12; x < area.right - 3; ++x)
        // The lowest graph row, 1.5 units up, is the one above the last; the last is the edge's.
        for (int y = area.top; y < area.bottom - 1; ++y)
            if (shot.pixel(x, y) == colour) {
                if (!top || y < *top) top = y;
                break;
            }
    if (!top) return std::nullopt;
    return area.bottom - *top - 0.5;  // pixel centre
}

TEST(MetersLive, SecondHandMovesEverySecond) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    POINT o = windowOrigin(gadget);
    RECT clock{o.x + CLOCK_PANEL.x, o.y + CLOCK_PANEL.y, o.x + CLOCK_PANEL.x + CLOCK_PANEL.width,
               o.y + CLOCK_PANEL.y + CLOCK_PANEL.height};
    for (int second = 0; second < 3; ++second) {
        ScreenShot before(clock);
        Sleep(1100);
        ScreenShot after(clock);
        EXPECT_GT(after.differences(before), 10) << "second " << second;
    }
}

TEST(MetersLive, MemoryGraphStandsAtTheMachinesMemoryInUse) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    Sleep(3500);  // three ticks
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    double percent = static_cast<double>(status.ullTotalPhys - status.ullAvailPhys) * 100.0 /
                     static_cast<double>(status.ullTotalPhys);
    std::optional<double> height = graphHeight(gadget, MEMORY_PANEL, GREEN);
    ASSERT_TRUE(height);
    // 0.4 units a percent, 1.5 above the floor; a pixel is 2.5 %, and the
    // machine's figure moves a little between the tick and this reading.
    EXPECT_NEAR(*height, percent * 0.4 + 1.5, 1.5) << percent << " % in use";
}

TEST(MetersLive, CpuGraphRisesWhileACoreIsBusy) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    std::atomic<bool> stop{false};
    std::thread busy([&] {
        while (!stop.load(std::memory_order_relaxed)) {}
    });
    Sleep(3500);
    std::optional<double> height = graphHeight(gadget, CPU_PANEL, GREEN);
    stop = true;
    busy.join();
    ASSERT_TRUE(height);
    // One core of this machine's is busy the whole time: at least 30 % on up to two cores.
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    double least = 100.0 / info.dwNumberOfProcessors * 0.6;
    EXPECT_GE(*height, least * 0.4 + 1.5) << "at least " << least << " %";
}

// A TCP connection over 127.0.0.1 kept full by one thread while another drains it.
class LoopbackTraffic {
public:
    LoopbackTraffic() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address;
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener, 1);
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        sender_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        connected_ = connect(sender_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        receiver_ = accept(listener, nullptr, nullptr);
        closesocket(listener);
        connected_ = connected_ && receiver_ != INVALID_SOCKET;
        sending_ = std::thread([this] {
            std::vector<char> block(64 * 1024, 'x');
            while (!stop_ && send(sender_, block.data(), static_cast<int>(block.size()), 0) > 0) {}
            shutdown(sender_, SD_SEND);
        });
        receiving_ = std::thread([this] {
            std::vector<char> block(64 * 1024);
            while (recv(receiver_, block.data(), static_cast<int>(block.size()), 0) > 0) received_ += block.size();
        });
    }
    ~LoopbackTraffic() {
        stop_ = true;
        sending_.join();
        receiving_.join();
        closesocket(sender_);
        closesocket(receiver_);
        WSACleanup();
    }
    bool connected() const { return connected_; }
    uint64_t received() const { return received_; }

private:
    SOCKET sender_ = INVALID_SOCKET, receiver_ = INVALID_SOCKET;
    bool connected_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> received_{0};
    std::thread sending_, receiving_;
};

TEST(MetersLive, ReceiveAndTransmitShowLoopbackTraffic) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    std::optional<double> rx, tx;
    uint64_t received = 0;
    {
        LoopbackTraffic traffic;
        ASSERT_TRUE(traffic.connected());
        Sleep(3500);
        rx = graphHeight(gadget, RX_PANEL, BLUE);
        tx = graphHeight(gadget, TX_PANEL, BLUE);
        received = traffic.received();
    }
    ASSERT_TRUE(rx);
    ASSERT_TRUE(tx);
    // The loopback moves far more than 1 Mbps (21.5 units up); an idle line sits at 1.5.
    EXPECT_GT(received, 3u * 1000 * 1000);
    EXPECT_GE(*rx, 21.5) << received << " bytes";
    EXPECT_GE(*tx, 21.5) << received << " bytes";
}

}  // namespace
}  // namespace e2e
