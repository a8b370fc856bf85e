// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkReadings.h"

#include "support/Failure.h"

cVkReadings::cVkReadings(QObject* parent) : QObject(parent) {}

cVkReadings::~cVkReadings() = default;

void cVkReadings::requirePosition(qint32 position) const {
    if (position < 1 || position > Count())
        throw Failure::subscriptOutOfRange(QString::number(position));
}

QObject* cVkReadings::Item(qint32 position) const {
    requirePosition(position);
    return m_items.at(position - 1);
}

void cVkReadings::Remove(qint32 position) {
    requirePosition(position);
    m_items.removeAt(position - 1);
}

cVkReading* cVkReadings::Add() {
    auto* reading = new cVkReading(this);
    m_items.append(reading);
    return reading;
}
