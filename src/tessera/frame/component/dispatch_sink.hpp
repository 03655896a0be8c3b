// The events of a library object delivered to a host's dispatch sink.
//
// For each events interface one class derives from DispatchSink and forwards each event in one
// line, with the event's id (its position in the events interface, counted from 1):
//
//   struct CRasterBgrdDispatchSink : DispatchSink<CRasterBgrdEvents> {
//     using DispatchSink::DispatchSink;
//     void TransEnd(bool saved) override { Forward<&CRasterBgrdEvents::TransEnd>(2, saved); }
//   };
//
// An argument the event takes by value crosses as a VARIANT of its own kind; one it takes by
// reference crosses as a reference to a VARIANT, and what the host stores there is converted back
// to the parameter's type. What the sink's Invoke answers is not the raiser's concern.
#pragma once

#include <array>
#include <span>
#include <tuple>
#include <utility>

#include "tessera/frame/component/com_abi.h"
#include "tessera/frame/component/com_variant.hpp"
#include "tessera/frame/dispatch/dispatch_table.hpp"

namespace tessera::frame {

namespace sink_detail {

// Calls `sink` with `values` as the arguments in call order, the ones marked in `by_ref` as
// references to their VARIANT; the VARIANTs then hold what the host left in them.
void InvokeSink(IDispatch* sink, DISPID id, std::span<VARIANT> values, std::span<const bool> by_ref);

}  // namespace sink_detail

template <typename Events>
class DispatchSink : public Events {
 public:
  DispatchSink(IDispatch* sink, ClassFinder finder) : sink_(sink), finder_(finder) {
    sink_->lpVtbl->AddRef(sink_);
  }
  ~DispatchSink() override { sink_->lpVtbl->Release(sink_); }
  DispatchSink(const DispatchSink&) = delete;
  DispatchSink& operator=(const DispatchSink&) = delete;

 protected:
  template <auto event, typename... Args>
  void Forward(DISPID id, Args&... args) const {
    using Params = typename dispatch_detail::MemberTraits<event>::Params;
    static_assert(std::tuple_size_v<Params> == sizeof...(Args), "an event forwards each of its arguments");
    Forwarded<Params>(id, std::index_sequence_for<Args...>(), args...);
  }

 private:
  template <typename Params, std::size_t... I, typename... Args>
  void Forwarded(DISPID id, std::index_sequence<I...>, Args&... args) const {
    constexpr std::array<bool, sizeof...(I)> by_ref{kIsByRef<std::tuple_element_t<I, Params>>...};
    std::array<VARIANT, sizeof...(I)> values{};
    struct Clear {
      std::span<VARIANT> held;
      ~Clear() {
        for (VARIANT& value : held) VariantClear(&value);
      }
    } clear{values};
    (ToComVariant(platform::Variant(args), values[I], finder_), ...);
    sink_detail::InvokeSink(sink_, id, values, by_ref);
    (ReadBack<std::tuple_element_t<I, Params>>(values[I], args), ...);
  }

  template <typename Param, typename Arg>
  static void ReadBack(const VARIANT& value, Arg& arg) {
    if constexpr (kIsByRef<Param>) arg = ArgumentType<StoredType<Param>>::From(FromComVariant(value));
  }

  IDispatch* sink_;
  ClassFinder finder_;
};

}  // namespace tessera::frame
