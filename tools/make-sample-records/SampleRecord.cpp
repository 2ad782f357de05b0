// Simulates one Stroop run (reaction times, answers, totals) and writes it column by column.
#include "tools/make-sample-records/SampleRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "runtime/Cp1251.h"

namespace samples {
namespace {

using runtime::Cp1251FromUtf8;

// Uniform and normal draws from the raw engine output, so a seed gives the same record on every
// library.
class Random {
 public:
  explicit Random(uint32_t seed) : engine_(seed) {}
  double Uniform() { return (engine_() + 0.5) / 4294967296.0; }
  int Below(int n) { return static_cast<int>(Uniform() * n); }
  double Normal() {
    return std::sqrt(-2 * std::log(Uniform())) * std::cos(6.283185307179586 * Uniform());
  }

 private:
  std::mt19937 engine_;
};

struct Stimulus {
  int stimul1, stimul2;
  int answer[4];
  double time[4];
};

// The colour a subtest asks for: the shown colour in subtests 1 and 4, the word in 2 and 3.
int CorrectAnswer(const Stimulus& s, int subtest) {
  return subtest == 0 || subtest == 3 ? s.stimul1 : s.stimul2;
}

std::string Printf(const char* format, auto... values) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

struct Summary {
  double mean, sd, min, max;
  int errors;
};

Summary Summarise(const std::vector<Stimulus>& stimuli, int subtest) {
  Summary s{0, 0, 0, 0, 0};
  if (stimuli.empty()) return s;
  std::vector<double> times;
  for (const Stimulus& st : stimuli) {
    times.push_back(st.time[subtest]);
    if (st.answer[subtest] != CorrectAnswer(st, subtest)) ++s.errors;
  }
  s.mean = std::accumulate(times.begin(), times.end(), 0.0) / times.size();
  double squares = 0;
  for (double t : times) squares += (t - s.mean) * (t - s.mean);
  s.sd = times.size() > 1 ? std::sqrt(squares / (times.size() - 1)) : 0;
  s.min = *std::min_element(times.begin(), times.end());
  s.max = *std::max_element(times.begin(), times.end());
  return s;
}

}  // namespace

std::string MakeRecord(const Subject& subject) {
  Random random(subject.seed);
  std::vector<Stimulus> stimuli(static_cast<size_t>(subject.stimulusCount));
  for (Stimulus& s : stimuli) {
    s.stimul1 = random.Below(3);
    s.stimul2 = (s.stimul1 + 1 + random.Below(2)) % 3;  // the word never matches its ink
    for (int k = 0; k < 4; ++k) {
      // Log-normal reaction times, in whole milliseconds as the test program records them.
      const double t = subject.meanTime[k] * std::exp(subject.spread * random.Normal() -
                                                      subject.spread * subject.spread / 2);
      s.time[k] = std::round(std::clamp(t, 0.25, 9.999) * 1000) / 1000;
      const int correct = CorrectAnswer(s, k);
      s.answer[k] =
          random.Uniform() < subject.errorRate[k] ? (correct + 1 + random.Below(2)) % 3 : correct;
    }
  }

  Summary summary[4];
  int totals[4];
  int answering[4];
  for (int k = 0; k < 4; ++k) {
    summary[k] = Summarise(stimuli, k);
    double sum = 0;
    for (const Stimulus& s : stimuli) sum += s.time[k];
    answering[k] = static_cast<int>(std::lround(sum));
    // The total also counts the instructions and the pause after each answer.
    totals[k] =
        std::min(999, static_cast<int>(std::lround(sum + 0.15 * subject.stimulusCount + 4)));
  }
  if (subject.equalFirstTwoTotals != 0) totals[1] = totals[0];
  const int allSeconds = totals[0] + totals[1] + totals[2] + totals[3];
  // The test ends the total time after the start written in the identification line.
  int startHour = 0, startMinute = 0, startSecond = 0;
  std::sscanf(subject.dateTime.c_str(), "%*d.%*d.%*d %d:%d:%d", &startHour, &startMinute,
              &startSecond);
  const int endSeconds = startHour * 3600 + startMinute * 60 + startSecond + allSeconds;

  std::vector<std::string> lines;
  lines.push_back(Cp1251FromUtf8("Результаты выполнения теста Струпа"));
  lines.push_back(Cp1251FromUtf8("Код: " + subject.code + "  Имя: " + subject.name +
                                 "  Дата ПФО: " + subject.dateTime));
  lines.push_back(subject.code);
  lines.push_back(Cp1251FromUtf8("Количество стимулов - ") + std::to_string(subject.stimulusCount));
  lines.push_back(std::to_string(subject.stimulusCount));
  lines.push_back(Cp1251FromUtf8(
      Printf("Окончание теста: %02d:%02d:%02d  Общее время выполнения: %d сек.",
             endSeconds / 3600 % 24, endSeconds / 60 % 60, endSeconds % 60, allSeconds)));
  lines.push_back("");
  lines.push_back(Cp1251FromUtf8(Printf("Время (сек) T1 = %3d  T2 = %3d  T3 = %3d  T4 = %3d",
                                        totals[0], totals[1], totals[2], totals[3])));
  lines.push_back(Cp1251FromUtf8(Printf("Время (сек) И1 = %3d  И2 = %3d  И3 = %3d  И4 = %3d",
                                        answering[0], answering[1], answering[2], answering[3])));
  const int n = std::min(999, subject.stimulusCount);
  lines.push_back(
      Cp1251FromUtf8(Printf("Пробы   (N) И1 = %3d  И2 = %3d  И3 = %3d  И4 = %3d", n, n, n, n)));
  lines.push_back("");
  lines.push_back(Cp1251FromUtf8("Средние данные по заданиям"));
  lines.push_back("  Mean    SD    V%   Min   Max Ner");
  for (const Summary& s : summary) {
    const double variation = s.mean > 0 ? 100 * s.sd / s.mean : 0;
    lines.push_back(
        Printf("%6.2f%6.2f%6.0f%6.2f%6.2f%4d", s.mean, s.sd, variation, s.min, s.max, s.errors));
  }
  lines.push_back("");
  lines.push_back(Cp1251FromUtf8("Данные по каждому стимулу"));
  lines.push_back("  Stimul-1  Answer-1  Stimul-2  Answer-2  Answer-3  Answer-4");
  for (const Stimulus& s : stimuli) {
    lines.push_back(Printf("%6d%7d%7.3f%6d%7d%7.3f%3d%7.3f%3d%7.3f", s.stimul1, s.answer[0],
                           s.time[0], s.stimul2, s.answer[1], s.time[1], s.answer[2], s.time[2],
                           s.answer[3], s.time[3]));
  }

  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace samples
