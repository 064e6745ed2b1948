#include "tools/schematic/CircuitDrawing.h"

#include "tools/schematic/SchematicCanvas.h"
#include "tools/schematic/TubeSymbols.h"

namespace {

constexpr int PictureWidth = 896;
constexpr int PictureHeight = 565;
constexpr double SupplyY = 92;
constexpr double AnodeY = 192;
constexpr double TubeY = 300;
constexpr double CathodeY = 408;
constexpr double RailY = 512;

enum TTube { tuTriode, tuPentode };

// Horizontal positions of a stage's vertical branches.
struct TStageColumns {
    double Decoupling;
    double Screen;
    double Input;
    double Tube;
    double Bypass;
    double Leak;
    double Output;
};

constexpr TStageColumns TriodeColumns{30, 0, 104, 200, 248, 336, 378};
constexpr TStageColumns PentodeColumns{442, 528, 582, 680, 728, 814, 856};

// One resistance-coupled stage between its supply terminal at the top right
// and the ground rail.
void DrawStage(TSchematicCanvas& canvas, TTube tube)
{
    const TStageColumns& c = tube == tuTriode ? TriodeColumns : PentodeColumns;
    const QPointF tubeCentre(c.Tube, TubeY);
    const TTubeLeads leads = tube == tuTriode ? DrawTriode(canvas, tubeCentre) : DrawPentode(canvas, tubeCentre);
    const double cathodeX = leads.Cathode.x();

    // Supply: Uа through Rф to the decoupling node, Cф from there to ground.
    const QPointF node(c.Tube, SupplyY);
    canvas.Resistor(node, {c.Output, SupplyY});
    canvas.Terminal({c.Output, SupplyY});
    canvas.Wire({node, {c.Decoupling, SupplyY}});
    canvas.Capacitor({c.Decoupling, SupplyY}, {c.Decoupling, 250});
    canvas.Wire({{c.Decoupling, 250}, {c.Decoupling, RailY}});
    canvas.Dot(node);
    canvas.Label({c.Decoupling + 26, 172}, "C", "ф", Qt::AlignLeft);
    canvas.Label({(c.Tube + c.Output) / 2, SupplyY - 32}, "R", "ф", Qt::AlignHCenter);
    canvas.Label({c.Output + 2, SupplyY - 34}, "U", "а", Qt::AlignHCenter);

    // Anode: Rа from the node, Cс on to the output, Rс from there to ground.
    const QPointF anode(c.Tube, AnodeY);
    canvas.Resistor(node, anode);
    canvas.Wire({anode, leads.Anode});
    canvas.Capacitor(anode, {c.Leak, AnodeY});
    canvas.Wire({{c.Leak, AnodeY}, {c.Output, AnodeY}});
    canvas.Terminal({c.Output, AnodeY});
    canvas.Resistor({c.Leak, AnodeY}, {c.Leak, RailY});
    canvas.Dot(anode);
    canvas.Dot({c.Leak, AnodeY});
    canvas.Label({c.Tube - 20, (SupplyY + AnodeY) / 2}, "R", "а", Qt::AlignRight);
    canvas.Label({(c.Tube + c.Leak) / 2, AnodeY - 38}, "C", "с", Qt::AlignHCenter);
    canvas.Label({c.Leak - 20, (AnodeY + RailY) / 2}, "R", "с", Qt::AlignRight);
    canvas.Label({c.Output, (CathodeY + RailY) / 2 - 12}, "U", "вых", Qt::AlignHCenter);

    // Input to the control grid.
    const QPointF input(c.Input, leads.ControlGrid.y());
    canvas.Terminal(input);
    canvas.Wire({input, leads.ControlGrid});
    canvas.Label({c.Input + 2, 398}, "U", "вх", Qt::AlignHCenter);
    canvas.Label({c.Tube - 46, TubeY - 74}, "Л", "", Qt::AlignRight);

    // Cathode: Rк to ground, bridged by the electrolytic Cк.
    const QPointF cathode(cathodeX, CathodeY);
    canvas.Wire({leads.Cathode, cathode});
    canvas.Resistor(cathode, {cathodeX, RailY});
    canvas.Wire({cathode, {c.Bypass, CathodeY}});
    canvas.Capacitor({c.Bypass, CathodeY}, {c.Bypass, RailY});
    canvas.ElectrolyticMarks({c.Bypass, (CathodeY + RailY) / 2});
    canvas.Dot(cathode);
    canvas.Label({cathodeX - 20, (CathodeY + RailY) / 2}, "R", "к", Qt::AlignRight);
    canvas.Label({c.Bypass + 40, (CathodeY + RailY) / 2}, "C", "к", Qt::AlignLeft);

    // Screen grid: Rэ from the decoupling node, Cэ to ground.
    if (tube == tuPentode) {
        const QPointF screen(c.Screen, leads.ScreenGrid.y());
        canvas.Resistor({c.Screen, SupplyY}, screen);
        canvas.Wire({screen, leads.ScreenGrid});
        canvas.Capacitor(screen, {c.Screen, 430});
        canvas.Wire({{c.Screen, 430}, {c.Screen, RailY}});
        canvas.Dot({c.Screen, SupplyY});
        canvas.Dot(screen);
        canvas.Label({c.Screen + 20, (SupplyY + screen.y()) / 2}, "R", "э", Qt::AlignLeft);
        canvas.Label({c.Screen - 22, (screen.y() + 430) / 2}, "C", "э", Qt::AlignRight);
    }

    // Ground joints and the second input and output terminals on the rail.
    for (double x : {cathodeX, c.Bypass, c.Leak})
        canvas.Dot({x, RailY});
    if (tube == tuPentode) {
        canvas.Dot({c.Decoupling, RailY});
        canvas.Dot({c.Screen, RailY});
    }
    canvas.Terminal({c.Input, RailY});
    canvas.Terminal({c.Output, RailY});
}

} // namespace

QImage DrawCircuit()
{
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(QColor(220, 220, 220));
    {
        QPainter painter(&image);
        TSchematicCanvas canvas(painter);
        canvas.Wire({{TriodeColumns.Decoupling, RailY}, {PentodeColumns.Output, RailY}});
        DrawStage(canvas, tuTriode);
        DrawStage(canvas, tuPentode);
        const QPointF earth((TriodeColumns.Output + PentodeColumns.Decoupling) / 2, RailY);
        canvas.Dot(earth);
        canvas.Ground(earth);
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}
