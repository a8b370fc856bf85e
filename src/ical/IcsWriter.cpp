// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/IcsWriter.h"

#include "resources/ResourceStrings.h"
#include "support/Failure.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTimeZone>
#include <iterator>
#include <libical/ical.h>
#include <memory>

namespace {

// Calendar programs update the subscription this often.
constexpr const char* kRefreshInterval = "PT6H";
constexpr const char* kUidDomain = "@liturgy-calendar";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

struct ColorEntry {
    const char* css;
    const char* english;
    const char* norwegian;
};

// By colour code. The CSS names are those nearest to the colours that the month calendar
// paints by default, so that a member's calendar shows a day as the parish's window does.
constexpr ColorEntry kColors[] = {
    {"white", "White", "Hvit"},
    {"mediumpurple", "Violet", "Fiolett"},
    {"green", "Green", "Grønn"},
    {"firebrick", "Red", "Rød"},
    {"darkslategray", "Black", "Svart"},
    {"darkorchid", "Blue", "Blå"},
    {"darkorange", "Scarlet", "Skarlagen"},
};

const ColorEntry* colorEntry(qint32 code) {
    if (code < 0 || code >= qint32(std::size(kColors)))
        return nullptr;
    return &kColors[code];
}

void add(icalcomponent* component, icalproperty* property) {
    icalcomponent_add_property(component, property);
}

QByteArray utf8(const QString& text) {
    return text.toUtf8();
}

icaltimetype dateValue(const QDate& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

icaltimetype dateTimeValue(const QDate& date, const QTime& time) {
    icaltimetype value = icaltime_null_time();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    value.hour = time.hour();
    value.minute = time.minute();
    value.second = time.second();
    return value;
}

// How the services' times are written.
struct ServiceZone {
    enum class Kind { Floating, Utc, Named } kind = Kind::Floating;
    ComponentPtr vtimezone; // for Named
};

ServiceZone serviceZone(const QByteArray& id) {
    ServiceZone zone;
    if (id.isEmpty())
        return zone;
    icaltimezone* builtin = icaltimezone_get_builtin_timezone(id.constData());
    icalcomponent* component = builtin ? icaltimezone_get_component(builtin) : nullptr;
    if (component) {
        // The system's description of the zone under its own name, not libical's prefixed one,
        // so that calendar programs recognise it.
        zone.vtimezone.reset(icalcomponent_new_clone(component));
        icalproperty* tzid =
            icalcomponent_get_first_property(zone.vtimezone.get(), ICAL_TZID_PROPERTY);
        if (tzid)
            icalproperty_set_tzid(tzid, id.constData());
        zone.kind = ServiceZone::Kind::Named;
        return zone;
    }
    const QTimeZone system(id);
    if (builtin == icaltimezone_get_utc_timezone() ||
        (system.isValid() && !system.hasTransitions() &&
         system.offsetFromUtc(QDateTime::fromSecsSinceEpoch(0)) == 0))
        zone.kind = ServiceZone::Kind::Utc;
    return zone;
}

// A day without a name is its weekday, as the day page lists such a row.
QString nameOrWeekday(const QString& name, const QDate& date) {
    if (!name.trimmed().isEmpty())
        return name;
    return ResourceStrings::locale().dayName(date.dayOfWeek());
}

ComponentPtr dayEvent(const CalendarFeed::Day& day, const IcsWriter::Options& options,
                      const icaltimetype& stamp) {
    ComponentPtr event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    add(e, icalproperty_new_uid(utf8(IcsWriter::dayUid(options.edition, day)).constData()));
    add(e, icalproperty_new_dtstamp(stamp));
    add(e, icalproperty_new_dtstart(dateValue(day.date)));
    add(e, icalproperty_new_dtend(dateValue(day.date.addDays(1))));
    add(e, icalproperty_new_summary(utf8(nameOrWeekday(day.name, day.date)).constData()));
    if (const ColorEntry* color = colorEntry(day.colorCode)) {
        add(e, icalproperty_new_color(color->css));
        add(e, icalproperty_new_categories(options.norwegian ? color->norwegian : color->english));
    }
    if (!day.references.isEmpty())
        add(e,
            icalproperty_new_description(utf8(day.references.join(QLatin1Char('\n'))).constData()));
    add(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

QString serviceSummary(const CalendarFeed::Service& service) {
    const QString day = nameOrWeekday(service.dayName, service.date);
    return service.kind.isEmpty() ? day : service.kind + QStringLiteral(" – ") + day;
}

ComponentPtr serviceEvent(const CalendarFeed::Service& service, int occurrence,
                          const ServiceZone& zone, const icaltimetype& stamp) {
    ComponentPtr event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    add(e, icalproperty_new_uid(utf8(IcsWriter::serviceUid(service, occurrence)).constData()));
    add(e, icalproperty_new_dtstamp(stamp));
    if (!service.time.isValid()) {
        // A service without a time is an all-day event of its date.
        add(e, icalproperty_new_dtstart(dateValue(service.date)));
        add(e, icalproperty_new_dtend(dateValue(service.date.addDays(1))));
    } else {
        icaltimetype start = dateTimeValue(service.date, service.time);
        icalproperty* dtstart = nullptr;
        switch (zone.kind) {
        case ServiceZone::Kind::Utc:
            // The local time is UTC already.
            icaltime_set_timezone(&start, icaltimezone_get_utc_timezone());
            dtstart = icalproperty_new_dtstart(start);
            break;
        case ServiceZone::Kind::Named: {
            // The wall-clock time as planned, with the zone's name: the calendar program
            // applies the zone's rules, so daylight saving never moves a service.
            dtstart = icalproperty_new_dtstart(start);
            icalproperty* tzid =
                icalcomponent_get_first_property(zone.vtimezone.get(), ICAL_TZID_PROPERTY);
            icalproperty_add_parameter(dtstart,
                                       icalparameter_new_tzid(icalproperty_get_tzid(tzid)));
            break;
        }
        case ServiceZone::Kind::Floating:
            dtstart = icalproperty_new_dtstart(start);
            break;
        }
        add(e, dtstart);
        add(e, icalproperty_new_duration(icaldurationtype_from_int(3600)));
    }
    add(e, icalproperty_new_summary(utf8(serviceSummary(service)).constData()));
    if (!service.place.isEmpty())
        add(e, icalproperty_new_location(utf8(service.place).constData()));
    return event;
}

} // namespace

QString IcsWriter::cssColor(qint32 code) {
    const ColorEntry* entry = colorEntry(code);
    return entry ? QString::fromLatin1(entry->css) : QString();
}

QString IcsWriter::colorName(qint32 code, bool norwegian) {
    const ColorEntry* entry = colorEntry(code);
    if (!entry)
        return {};
    return QString::fromUtf8(norwegian ? entry->norwegian : entry->english);
}

QString IcsWriter::calendarName(const Options& options) {
    QString name;
    if (options.days && options.services)
        name = options.norwegian ? QStringLiteral("Kirkeåret og gudstjenester")
                                 : QStringLiteral("Church year and services");
    else if (options.days)
        name = options.norwegian ? QStringLiteral("Kirkeåret") : QStringLiteral("Church year");
    else
        name = options.norwegian ? QStringLiteral("Gudstjenester") : QStringLiteral("Services");
    if (options.days && !options.editionName.isEmpty())
        name += QStringLiteral(" (%1)").arg(options.editionName);
    return name;
}

QString IcsWriter::dayUid(qint32 edition, const CalendarFeed::Day& day) {
    return QStringLiteral("day-%1-%2-%3")
               .arg(edition)
               .arg(day.id)
               .arg(day.date.toString(QStringLiteral("yyyyMMdd"))) +
           QLatin1String(kUidDomain);
}

QString IcsWriter::serviceUid(const CalendarFeed::Service& service, int occurrence) {
    // The plan has no row key: a service is known by its date, time, kind and place.
    const QByteArray what = utf8(service.kind) + '\0' + utf8(service.place);
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(what, QCryptographicHash::Sha256).toHex().left(16));
    QString uid = QStringLiteral("service-%1-%2-%3")
                      .arg(service.date.toString(QStringLiteral("yyyyMMdd")),
                           service.time.isValid() ? service.time.toString(QStringLiteral("HHmm"))
                                                  : QStringLiteral("day"),
                           hash);
    if (occurrence > 1)
        uid += QStringLiteral("-%1").arg(occurrence);
    return uid + QLatin1String(kUidDomain);
}

QByteArray IcsWriter::write(const CalendarFeed& feed, const Options& options) {
    ComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent* c = calendar.get();
    add(c, icalproperty_new_version("2.0"));
    add(c, icalproperty_new_prodid("-//Brekka Data as//Liturgy Calendar//EN"));
    add(c, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    const QByteArray name = utf8(calendarName(options));
    add(c, icalproperty_new_name(name.constData()));
    // The same name and refresh interval for the programs that read only their own properties.
    icalproperty* calName = icalproperty_new_x(name.constData());
    icalproperty_set_x_name(calName, "X-WR-CALNAME");
    add(c, calName);
    add(c, icalproperty_new_refreshinterval(icaldurationtype_from_string(kRefreshInterval)));
    icalproperty* ttl = icalproperty_new_x(kRefreshInterval);
    icalproperty_set_x_name(ttl, "X-PUBLISHED-TTL");
    add(c, ttl);

    const QDateTime stampUtc = options.stamp.toUTC();
    const icaltimetype stamp = icaltime_from_timet_with_zone(time_t(stampUtc.toSecsSinceEpoch()), 0,
                                                             icaltimezone_get_utc_timezone());

    // The zone comes before the events that name it.
    const bool services = options.services && !feed.services.isEmpty();
    const ServiceZone zone = services ? serviceZone(options.timeZone) : ServiceZone();
    if (zone.kind == ServiceZone::Kind::Named)
        icalcomponent_add_component(c, icalcomponent_new_clone(zone.vtimezone.get()));
    if (options.days) {
        for (const CalendarFeed::Day& day : feed.days)
            icalcomponent_add_component(c, dayEvent(day, options, stamp).release());
    }
    if (services) {
        QHash<QString, int> seen;
        for (const CalendarFeed::Service& service : feed.services) {
            const int occurrence = ++seen[serviceUid(service, 1)];
            icalcomponent_add_component(c,
                                        serviceEvent(service, occurrence, zone, stamp).release());
        }
    }

    char* text = icalcomponent_as_ical_string_r(c);
    if (!text)
        throw Failure::internal(QStringLiteral("the calendar could not be written"));
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}
