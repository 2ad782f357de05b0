// Deterministic synthetic reaction times, answers and labels for the main chart.
#include "tools/render-chart/SampleChartData.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/Cp1251.h"
#include "runtime/Format.h"

namespace samples {

namespace {

// A fixed linear congruential generator, so every platform draws the same chart.
class Lcg {
 public:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() % 1000000u) / 1000000.0; }

 private:
  std::uint32_t state_ = 20260507u;
};

struct Stimulus {
  int shown;
  int answer;
  double time;
};

std::vector<Stimulus> MakeStimuli(int count) {
  Lcg random;
  std::vector<Stimulus> stimuli;
  stimuli.reserve(static_cast<std::size_t>(count));
  for (int c = 0; c < count; ++c) {
    const int shown = static_cast<int>(random.Next() % 3);
    const bool wrong = random.Unit() < 0.07;
    const int answer = wrong ? (shown + 1 + static_cast<int>(random.Next() % 2)) % 3 : shown;
    // Most answers come in 0.55..1.25 s; now and then a slow one, wrong answers a little slower.
    double time = 0.55 + 0.7 * random.Unit();
    if (random.Unit() < 0.05) time += 0.8 * random.Unit();
    if (wrong) time += 0.25;
    stimuli.push_back({shown, answer, time});
  }
  return stimuli;
}

}  // namespace

void FillSampleChart(chart::TChart& chart, chart::TMainChartSeries& series, int count) {
  const std::string names[3] = {runtime::Cp1251FromUtf8("Красный"),
                                runtime::Cp1251FromUtf8("Синий"),
                                runtime::Cp1251FromUtf8("Зеленый")};
  const std::string stimulusPiece = runtime::Cp1251FromUtf8("[НЦ] Стимул - ");
  const std::string answerPiece = runtime::Cp1251FromUtf8(", Ответ - ");

  const std::vector<Stimulus> stimuli = MakeStimuli(count);
  double total = 0;
  int errors = 0;
  for (const Stimulus& s : stimuli) {
    total += s.time;
    errors += s.answer != s.shown;
  }
  const double mean = count > 0 ? total / count : 0;
  double squares = 0;
  for (const Stimulus& s : stimuli) squares += (s.time - mean) * (s.time - mean);
  const double sd = count > 1 ? std::sqrt(squares / (count - 1)) : 0;

  for (int i = 0; i < chart.CountSeries(); ++i) chart.SeriesAt(i)->RemoveAllPoints();
  for (int c = 1; c <= count; ++c) {
    const Stimulus& s = stimuli[static_cast<std::size_t>(c - 1)];
    const std::string label = stimulusPiece + names[s.shown] + answerPiece + names[s.answer];
    series.Series5sec.AddPoint(c, s.time, label,
                               s.answer == s.shown ? chart::clGreen : chart::clRed);
    series.Series5secAv.AddPoint(c, mean, "", chart::clNotSet);
    series.Series5sec2Dp.AddPoint(c, 2 * sd + mean, "", chart::clNotSet);
    series.Series5sec2Dm.AddPoint(c, mean - 2 * sd, "", chart::clNotSet);
  }

  chart.Title().Text().Clear();
  chart.Title().Text().Add(runtime::Cp1251FromUtf8(
      "График времени реакции на стимулы - \"Название цвета прямоугольника\" [НЦ]"));
  chart.Title().Text().Add(runtime::Format(
      runtime::Cp1251FromUtf8(
          "Время выполнения - %3.0f сек, Mean - %4.2f сек, SD - %4.2f сек, N ошибок - %d"),
      {total, mean, sd, errors}));
  chart.Foot().Text().Clear();
  chart.Foot().Text().Add(runtime::Cp1251FromUtf8("0507 Образец О.О. 07.05.2026 10:15:00"));
}

}  // namespace samples
