#include "records/Sim.h"

Sim::Sim(QObject *parent)
    : QObject(parent)
{
}

Sim::~Sim() = default;
