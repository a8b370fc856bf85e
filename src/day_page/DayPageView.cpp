// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageView.h"

DayPageView::~DayPageView() = default;
