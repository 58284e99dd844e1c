// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorparams.h"
#include "model/colorpair.h"

#include <QObject>

#include <concepts>
#include <functional>
#include <utility>

class frmMain;

// The one edge between the form and the pair model. The form keeps the working values its routines are
// written around (the readouts and options for the colour being edited, ColorParams for both); this is
// the only code that converts between ColorParams and the pair's state. Every colour the form stores is
// published here, each user handler runs inside one step of the pair (one change, one step of undo), and
// a change made elsewhere comes back through the form's own routines: ColorParams, then LoadColor.
class FormBinding : public QObject
{
public:
    FormBinding(frmMain &form, ColorPair &pair);

    static PairState stateOf(const ColorParamsArray &params, int edited);
    static ColorParamsArray paramsOf(const PairState &state);

    // The form's stored colours and which one it edits become the pair's.
    void publish(const ColorParamsArray &params, int edited);

    // A user handler, to be connected to its control's signal, running as one step of the pair.
    template <typename Handler> auto step(Handler handler)
    {
        return Stepped<Handler>{&m_pair, std::move(handler)};
    }
    // What start-up loads, as one change that nobody can undo.
    void loadUnrecorded(const std::function<void()> &load);

    // Colour which as the sample shows it: the stored colour, or the colour pointed at on the screen. The
    // plane's own preview is for the other views; the sample shows what the release picks.
    QRgb sampleColor(int which) const;

private:
    template <typename Handler> struct Stepped
    {
        ColorPair *pair;
        Handler handler;
        // Callable with exactly the arguments the handler takes, so that Qt passes it as many of the
        // signal's arguments.
        template <typename... Args>
        requires std::invocable<const Handler &, Args...>
        void operator()(Args &&...args) const
        {
            const ColorPair::Step step(*pair);
            handler(std::forward<Args>(args)...);
        }
    };

    void follow(ColorPair::Changes what);

    frmMain &m_form;
    ColorPair &m_pair;
    // The pair as the form last published it: any other state was made elsewhere.
    PairState m_published;
};
