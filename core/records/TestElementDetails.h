#pragma once

#include <QMap>
#include <QObject>
#include <QString>

// The four kinds of test, keyed by element type (0 user, 1 flow, 2 PCA, 3 occlusion):
// display name and flags. Channel settings number the same tests differently
// (0 flow, 1 occlusion, 2 PCA, 3 user); the two conversions live here too.
class TestElementDetails : public QObject
{
    Q_OBJECT
public:
    enum : unsigned char { USER_TEST = 0, FLOW_TEST = 1, PCA_TEST = 2, OCCLUSION_TEST = 3 };
    // The type may stand in a stored sequence.
    static constexpr int FLAG_SEQUENCE = 0x20;

    struct Details
    {
        unsigned char id = 0;
        // The display name before translation; name() gives it in the language in force,
        // so a name shown or written follows a change of language.
        const char *source = "";
        QString auxText;
        int flags = 0;
        unsigned char auxByte = 1;
        int auxInt1 = 4;
        int auxInt2 = 4;

        QString name() const;
    };

    static TestElementDetails *getInstance();

    // Null for a type that is not in the table.
    const Details *getDetails(unsigned char id) const;

    // Channel setting type to element type and back; 0xFF for a value outside 0..3.
    static unsigned char elementTypeFromSettingType(unsigned char settingType);
    static unsigned char settingTypeFromElementType(unsigned char elementType);

private:
    TestElementDetails();
    void add(unsigned char id, const char *source, int flags);

    QMap<unsigned char, Details> m_details;
};
