// One pass of the input loop with both sticks deflected: the work done sixty times a second for
// as long as a controller is attached. Events go to a poster that drops them, so the figure is
// the engine's own cost (stick response, publication checks, building the events).
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace {

using namespace joyvane;

class DiscardingPoster final : public EventPoster {
  public:
    void warp(Point position) override { benchmark::DoNotOptimize(position); }
    bool post(const MouseEvent& event) override {
        benchmark::DoNotOptimize(event);
        return true;
    }
    bool post(const ScrollEvent& event) override {
        benchmark::DoNotOptimize(event);
        return true;
    }
    bool post(const KeyEvent& event) override {
        benchmark::DoNotOptimize(event);
        return true;
    }
};

void BM_TickWithBothSticksDeflected(benchmark::State& state) {
    sim::SimPlatform sim;
    DiscardingPoster poster;
    Platform platform{sim.scheduler,     sim.controllers, poster,        sim.screens,
                      sim.accessibility, sim.workspace,   sim.languages, sim.panels};
    MouseController mouse(poster, sim.screens);
    PSKeyboardController keyboard(sim.scheduler, poster, sim.accessibility, sim.panels);

    sim::SimControllerSpec spec;
    spec.category = "DualSense Wireless Controller";
    spec.physical = PhysicalProfile::dualSense;
    spec.battery = BatteryReading{0.7f, BatteryState::discharging};
    auto controller = std::make_shared<sim::SimController>(spec);
    sim.controllers.addPresent(controller);

    ControllerManager engine(platform, mouse, keyboard);
    sim.scheduler.runQueued();
    controller->setLeftStick(0.6f, -0.4f);
    controller->setRightStick(-0.3f, 0.8f);

    for (auto _ : state) {
        engine.tickForBenchmark();
    }
}
BENCHMARK(BM_TickWithBothSticksDeflected)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
