#!/usr/bin/python3
"""Renders the depth of the last VTK result of the demo to flood.png (run under xvfb-run)."""
import glob
import os
import re
import sys

import vtk

here = os.path.dirname(os.path.abspath(__file__))
results = sorted(glob.glob(os.path.join(here, "reach_vtk*.vtk")),
                 key=lambda p: float(re.findall(r"vtk([0-9.eE+-]+)\.vtk$", p)[0]))
if not results:
    sys.exit("render: no reach_vtk*.vtk results; run 'make demo' first")
path = results[-1]
reader = vtk.vtkUnstructuredGridReader()
reader.SetFileName(path)
reader.ReadAllScalarsOn()
reader.ReadAllVectorsOn()
reader.Update()
grid = reader.GetOutput()
depth = grid.GetCellData().GetArray("depth")
if depth is None:
    sys.exit(f"render: {path} has no cell array 'depth'")
grid.GetCellData().SetActiveScalars("depth")

lut = vtk.vtkLookupTable()
lut.SetHueRange(0.6, 0.75)
lut.SetSaturationRange(0.2, 1.0)
lut.SetValueRange(1.0, 0.5)
lut.SetBelowRangeColor(0.85, 0.8, 0.65, 1.0)  # dry land
lut.UseBelowRangeColorOn()
lut.Build()
lo, hi = depth.GetRange()

mapper = vtk.vtkDataSetMapper()
mapper.SetInputData(grid)
mapper.SetScalarModeToUseCellData()
mapper.SetLookupTable(lut)
mapper.SetScalarRange(0.05, max(hi, 0.1))
actor = vtk.vtkActor()
actor.SetMapper(mapper)
actor.SetScale(1.0, 3.0, 1.0)  # the valley is long and narrow: stretch across it

bar = vtk.vtkScalarBarActor()
bar.SetLookupTable(lut)
bar.SetTitle("depth [m]")
bar.SetNumberOfLabels(5)
title = vtk.vtkTextActor()
t = re.findall(r"vtk([0-9.eE+-]+)\.vtk$", path)[0]
title.SetInput(f"FLUMARIS river reach: water depth at t = {float(t):.0f} s")
title.GetTextProperty().SetFontSize(20)
title.GetTextProperty().SetColor(0, 0, 0)
title.SetPosition(20, 560)

ren = vtk.vtkRenderer()
ren.SetBackground(1, 1, 1)
ren.AddActor(actor)
ren.AddActor2D(bar)
ren.AddActor2D(title)
win = vtk.vtkRenderWindow()
win.SetOffScreenRendering(1)
win.SetSize(1200, 600)
win.AddRenderer(ren)
ren.ResetCamera()
ren.GetActiveCamera().Zoom(1.3)
win.Render()
shot = vtk.vtkWindowToImageFilter()
shot.SetInput(win)
shot.Update()
writer = vtk.vtkPNGWriter()
writer.SetFileName(os.path.join(here, "flood.png"))
writer.SetInputConnection(shot.GetOutputPort())
writer.Write()
print(f"render: {os.path.join(here, 'flood.png')} from {os.path.basename(path)} (depth {lo:.2f} .. {hi:.2f} m)")
