// Plays a Game's effect list on the table in order: drawing effects at once,
// pauses, waiting cues and card flights on timers. Nothing sleeps; the
// owner queues input while the timeline is busy.
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QObject>
#include <QTimer>
#include <deque>

#include "engine/effects.h"
#include "table/pacing.h"

namespace quarlo {

class TableView;

class Timeline : public QObject {
  Q_OBJECT
 public:
  Timeline(TableView* view, const Pacing* pacing, QObject* parent = nullptr);

  void Play(EffectList effects);
  bool Busy() const { return busy_; }
  // Drops what is left (the game was abandoned).
  void Stop();

 signals:
  // Emitted on the event-loop turn after the last effect, never from inside
  // an effect, so listeners may feed the Game again.
  void Finished();
  void ButtonsChanged(const SetButtons& buttons);
  void CueRequested(const QString& name, bool waits);
  void SayCardRequested(CardCode card);
  void TrumpDialogRequested(Suit turnedSuit);
  void ReturnToMenuRequested(int result);

 private:
  void Next();
  void StartFlight(const FlyCard& f);
  void FlightFrame();
  void Wait(int ms);

  TableView* view_;
  const Pacing* pacing_;
  std::deque<Effect> queue_;
  bool busy_ = false;
  QTimer wait_;
  QTimer frames_;
  QElapsedTimer clock_;
  FlyCard flight_{};
  QPoint from_, to_;
  int flightMs_ = 0;
};

}  // namespace quarlo
