#include "table/timeline.h"

#include <cmath>

#include "table/table_view.h"

namespace quarlo {

Timeline::Timeline(TableView* view, const Pacing* pacing, QObject* parent)
    : QObject(parent), view_(view), pacing_(pacing) {
  wait_.setSingleShot(true);
  connect(&wait_, &QTimer::timeout, this, &Timeline::Next);
  frames_.setInterval(15);
  connect(&frames_, &QTimer::timeout, this, &Timeline::FlightFrame);
}

void Timeline::Play(EffectList effects) {
  for (Effect& e : effects) queue_.push_back(std::move(e));
  if (busy_) return;
  busy_ = true;
  Next();
}

void Timeline::Stop() {
  queue_.clear();
  wait_.stop();
  frames_.stop();
  view_->SetFlyingCard(false, kNoCard, true, {});
  busy_ = false;
}

void Timeline::Wait(int ms) { wait_.start(std::max(ms, 0)); }

void Timeline::Next() {
  while (!queue_.empty()) {
    Effect e = std::move(queue_.front());
    queue_.pop_front();
    if (auto* pause = std::get_if<Pause>(&e)) {
      Wait(pacing_->PauseMs(pause->ms));
      return;
    }
    if (auto* cue = std::get_if<PlayCue>(&e)) {
      emit CueRequested(QString::fromStdString(cue->name), cue->waits);
      if (cue->waits) {
        Wait(pacing_->CueMs(cue->name));
        return;
      }
      continue;
    }
    if (auto* fly = std::get_if<FlyCard>(&e)) {
      if (pacing_->flyCards && pacing_->factor > 0) {
        StartFlight(*fly);
        return;
      }
      continue;
    }
    if (auto* b = std::get_if<SetButtons>(&e)) {
      emit ButtonsChanged(*b);
      continue;
    }
    if (auto* say = std::get_if<SayCard>(&e)) {
      emit SayCardRequested(say->card);
      continue;
    }
    if (auto* dialog = std::get_if<OpenTrumpDialog>(&e)) {
      emit TrumpDialogRequested(dialog->turnedSuit);
      continue;
    }
    if (auto* menu = std::get_if<ReturnToMenu>(&e)) {
      emit ReturnToMenuRequested(menu->result);
      continue;
    }
    view_->Apply(e);
  }
  // Hand over on the next turn of the event loop, outside any callback.
  QTimer::singleShot(0, this, [this] {
    if (!queue_.empty()) {
      Next();
      return;
    }
    busy_ = false;
    emit Finished();
  });
}

void Timeline::StartFlight(const FlyCard& f) {
  flight_ = f;
  from_ = view_->SpotPosition(f.from, f.fromPlayer, f.fromPlace);
  to_ = view_->SpotPosition(f.to, f.toPlayer, f.toPlace);
  if (f.from == Spot::Trick) view_->LiftTrickCard(f.card);
  const int steps = std::max(std::abs(to_.x() - from_.x()), std::abs(to_.y() - from_.y()));
  flightMs_ = pacing_->FlightMs(steps);
  clock_.start();
  view_->SetFlyingCard(true, f.card, f.faceUp, from_);
  frames_.start();
}

void Timeline::FlightFrame() {
  const double t = flightMs_ <= 0 ? 1.0 : std::min(1.0, clock_.elapsed() / static_cast<double>(flightMs_));
  const QPoint pos(static_cast<int>(std::lround(from_.x() + (to_.x() - from_.x()) * t)),
                   static_cast<int>(std::lround(from_.y() + (to_.y() - from_.y()) * t)));
  view_->SetFlyingCard(true, flight_.card, flight_.faceUp, pos);
  if (t >= 1.0) {
    frames_.stop();
    view_->SetFlyingCard(false, kNoCard, true, {});
    Next();
  }
}

}  // namespace quarlo
