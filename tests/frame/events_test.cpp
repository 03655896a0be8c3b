#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host_sink.hpp"
#include "tessera/frame/component/com_ids.hpp"
#include "tessera/frame/component/com_strings.hpp"
#include "tessera/frame/component/dispatch_object.hpp"
#include "tessera/frame/component/dispatch_sink.hpp"
#include "tessera/frame/component/event_bridge.hpp"
#include "tessera/frame/component/module_usage.hpp"
#include "tessera/frame/events/event_source.hpp"

namespace tessera::frame {
namespace {

struct ClockEvents {
  virtual ~ClockEvents() = default;
  virtual void Ticked() {}
  virtual void Ended(bool /*saved*/) {}
  virtual void AskName(std::string& /*name*/, int16_t& /*count*/) {}
};

class Clock : public platform::Object {
 public:
  std::string_view TypeName() const noexcept override { return "Clock"; }
  EventSource<ClockEvents>& events() { return events_; }

  // Raises every event once and answers what the sinks left in AskName's arguments.
  std::string Tick() {
    events_.Raise(&ClockEvents::Ticked);
    events_.Raise(&ClockEvents::Ended, true);
    std::string name = "clock";
    int16_t count = 0;
    events_.Raise(&ClockEvents::AskName, name, count);
    return name + "/" + std::to_string(count);
  }

 private:
  EventSource<ClockEvents> events_;
};

// Records what reached it; AskName appends its own mark to the name.
struct Recorder : ClockEvents {
  explicit Recorder(std::string mark_to_add) : mark(std::move(mark_to_add)) {}
  void Ticked() override { seen.push_back("Ticked"); }
  void Ended(bool saved) override { seen.push_back(saved ? "Ended(true)" : "Ended(false)"); }
  void AskName(std::string& name, int16_t& count) override {
    name += mark;
    ++count;
  }
  std::string mark;
  std::vector<std::string> seen;
};

struct Failing : ClockEvents {
  void Ticked() override { throw std::runtime_error("a host's handler failed"); }
};

TEST(EventSourceTest, SinksReceiveEventsInAttachOrderAndShareByReferenceArguments) {
  Clock clock;
  auto first = std::make_shared<Recorder>("+a");
  auto second = std::make_shared<Recorder>("+b");
  clock.events().Attach(first);
  const auto cookie = clock.events().Attach(second);
  EXPECT_EQ(clock.Tick(), "clock+a+b/2");
  EXPECT_EQ(second->seen, (std::vector<std::string>{"Ticked", "Ended(true)"}));

  EXPECT_TRUE(clock.events().Detach(cookie));
  EXPECT_FALSE(clock.events().Detach(cookie));
  EXPECT_EQ(clock.Tick(), "clock+a/1");
  EXPECT_EQ(second->seen.size(), 2u);
}

// A sink that fails and one that detaches itself while the event runs, dropping the source's
// reference to it: neither stops the later sinks nor the raiser.
TEST(EventSourceTest, FailingOrLeavingSinksStopNeitherTheOthersNorTheRaiser) {
  Clock clock;
  struct Leaving : ClockEvents {
    Clock* clock = nullptr;
    uint32_t cookie = 0;
    void Ticked() override { clock->events().Detach(cookie); }
  };
  clock.events().Attach(std::make_shared<Failing>());
  auto leaving = std::make_shared<Leaving>();
  leaving->clock = &clock;
  leaving->cookie = clock.events().Attach(leaving);
  auto staying = std::make_shared<Recorder>("");
  clock.events().Attach(staying);
  leaving.reset();
  EXPECT_NO_THROW(clock.Tick());
  EXPECT_EQ(clock.events().size(), 2u);
  EXPECT_EQ(staying->seen.front(), "Ticked");
}

// The dispatch route: the events forwarded to a host's IDispatch sink.
struct ClockDispatchSink : DispatchSink<ClockEvents> {
  using DispatchSink::DispatchSink;
  void Ticked() override { Forward<&ClockEvents::Ticked>(1); }
  void Ended(bool saved) override { Forward<&ClockEvents::Ended>(2, saved); }
  void AskName(std::string& name, int16_t& count) override { Forward<&ClockEvents::AskName>(3, name, count); }
};

constexpr Guid kClockEventsId = "{0B7F2A4C-1D3E-4F50-8A61-72839405A6B7}"_guid;

const DispatchTable& ClockTable() {
  static const DispatchTable table("Clock", {"Tick"}, {Method<&Clock::Tick>("Tick")});
  return table;
}

const EventBridge kClockBridge = BridgeOf<Clock, ClockDispatchSink>(kClockEventsId);
const ServedClass kClockServed{ClockTable, &kClockBridge};

const ServedClass* ClockFinder(const platform::Object& object) {
  return object.TypeName() == "Clock" ? &kClockServed : nullptr;
}

// AskName(name, count): the name is the last argument in the array.
void AnswerAskName(DISPID id, DISPPARAMS& params) {
  if (id != 3) return;
  VARIANT& name = *params.rgvarg[1].pvarVal;
  const std::string given = Utf8FromBstr(name.bstrVal);
  VariantClear(&name);
  name.vt = VT_BSTR;
  name.bstrVal = BstrFromUtf8(given + "+host");
  VARIANT& count = *params.rgvarg[0].pvarVal;
  count.vt = VT_BSTR;  // a host may answer in any kind that converts
  count.bstrVal = BstrFromUtf8("7");
}

TEST(DispatchEventsTest, AnAdvisedHostSinkReceivesEachEventUntilUnadvised) {
  auto clock = std::make_shared<Clock>();
  IDispatch* object = NewDispatchObject(clock, kClockServed, ClockFinder);
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(object->lpVtbl->QueryInterface(object, &IID_IConnectionPointContainer,
                                           reinterpret_cast<void**>(&container)),
            S_OK);
  const IID events = ToIid(kClockEventsId);
  IConnectionPoint* point = nullptr;
  EXPECT_EQ(container->lpVtbl->FindConnectionPoint(container, &IID_IDispatch, &point),
            CONNECT_E_NOCONNECTION);
  ASSERT_EQ(container->lpVtbl->FindConnectionPoint(container, &events, &point), S_OK);
  IID answered{};
  point->lpVtbl->GetConnectionInterface(point, &answered);
  EXPECT_TRUE(SameId(answered, events));

  testing::HostSink sink;
  sink.answer = AnswerAskName;
  uint32_t cookie = 0;
  ASSERT_EQ(point->lpVtbl->Advise(point, sink.unknown(), &cookie), S_OK);
  EXPECT_NE(cookie, 0u);
  EXPECT_EQ(clock->Tick(), "clock+host/7");
  EXPECT_EQ(sink.ids, (std::vector<DISPID>{1, 2, 3}));
  EXPECT_EQ(sink.saved, VARIANT_TRUE);

  EXPECT_EQ(point->lpVtbl->Unadvise(point, cookie), S_OK);
  EXPECT_EQ(sink.references, 1u);  // the library let go of the host's sink
  EXPECT_EQ(point->lpVtbl->Unadvise(point, cookie), CONNECT_E_NOCONNECTION);
  clock->Tick();
  EXPECT_EQ(sink.ids.size(), 3u);

  point->lpVtbl->Release(point);
  container->lpVtbl->Release(container);
  object->lpVtbl->Release(object);
  EXPECT_FALSE(ModuleInUse());
}

}  // namespace
}  // namespace tessera::frame
