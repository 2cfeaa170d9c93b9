// Zavir2 window picture: an empty corked glass bottle lying tilted,
// neck down to the left, on top of a faceted glass tumbler,
// photographed against a white studio background.
//
// Units are roughly decimetres.  The floor is the plane y = 0, the
// tumbler stands at the origin, the camera looks from the front (-z).
// Rendered by render.sh in this folder; needs only POV-Ray 3.7 itself
// (no include files).

#version 3.7;

global_settings {
  assumed_gamma 1.0
  max_trace_level 12        // glass needs many bounces to stay clear
}

// ---------------------------------------------------------------- camera

camera {
  location <-0.3, 3.0, -7.2>
  look_at  <-0.55, 1.38, 0>
  right    x * 213 / 198     // the picture is 213 x 198 pixels
  angle    30
}

// ----------------------------------------------------------------- light

// Soft key light above-left-front: gives the highlights on the glass and
// the soft shadow on the floor.
light_source {
  <-6, 10, -7>
  color rgb 1.05
  area_light x * 2.5, y * 2.5, 4, 4
  adaptive 1
  jitter
}

// Fill light from the right, without shadows, so the shadow side of the
// tumbler does not go grey.
light_source {
  <7, 4, -6>
  color rgb 0.45
  shadowless
}

// --------------------------------------------------------------- studio

background { color rgb 1 }

// Back wall, glowing pure white: seen through the glass and behind it.
plane { -z, -4 pigment { color rgb 1 } finish { ambient 0 diffuse 0 emission 1 } }

// White sweep: the floor is lit slightly over white, so it merges with
// the background and only the shadows show.
plane {
  y, 0
  pigment { color rgb 1 }
  finish { ambient 0 diffuse 0.95 emission 0.28 }
}

// Black cards standing outside the frame.  Clear glass in front of a
// white wall is invisible; these give it its dark edges and reflections,
// as a photographer's flags would.
#declare Card = box { <-1, 0, -0.05>, <1, 4, 0.05>
                      pigment { color rgb 0.02 } finish { ambient 0 diffuse 0.3 }
                      no_shadow }
object { Card rotate y * -60 translate <-4.2, 0, -0.5> }
object { Card rotate y *  60 translate < 4.2, 0, -0.5> }
object { Card scale <2, 0.25, 1> translate <0, 4.6, 1.5> }   // low ceiling strip behind
object { Card scale <0.6, 1, 1> translate <-6.0, 0, 3> }     // narrow flags behind, left
object { Card scale <0.6, 1, 1> translate < 4.0, 0, 3> }     // and right
object { Card scale <3, 1, 1> translate <0, 0, -9> }         // behind the camera

// ----------------------------------------------------------------- glass

#declare Glass_Finish = finish {
  ambient 0 diffuse 0
  specular 0.9 roughness 0.0015
  reflection { 0.04, 0.9 fresnel on }
  conserve_energy
}

// Not quite perfectly clear: each surface lets through 90 % and the glass
// is faintly green in depth, so the bottle and tumbler still read as glass
// when the picture is only 213 pixels wide.
#declare Glass_Material = material {
  texture { pigment { color rgbf <0.93, 0.97, 0.96, 0.90> } finish { Glass_Finish } }
  interior { ior 1.5 fade_distance 0.8 fade_power 1001 fade_color <0.72, 0.86, 0.80> }
}

// ------------------------------------------------------------ the bottle

// Modelled standing on its base with the axis along +y, then laid down.
// Outer profile: radius against height, a half-litre bottle with a long
// neck and a lip ring.
#declare Bottle_Outside = sor {
  11,
  <0.30, -0.10>,
  <0.33,  0.00>,
  <0.35,  0.06>,
  <0.35,  1.20>,
  <0.345, 1.45>,
  <0.29,  1.72>,
  <0.17,  1.98>,
  <0.135, 2.25>,
  <0.135, 2.62>,
  <0.155, 2.70>,
  <0.155, 2.80>
}

// The hollow: the same shape 0.025 thinner, with a thick bottom.
#declare Bottle_Inside = sor {
  11,
  <0.28,  0.00>,
  <0.31,  0.08>,
  <0.325, 0.14>,
  <0.325, 1.20>,
  <0.32,  1.45>,
  <0.265, 1.72>,
  <0.145, 1.98>,
  <0.11,  2.25>,
  <0.11,  2.62>,
  <0.11,  2.80>,
  <0.11,  2.90>
}

#declare Cork = cylinder {
  <0, 2.55, 0>, <0, 2.98, 0>, 0.112
  pigment {
    granite
    color_map {
      [0.0 color rgb <0.62, 0.44, 0.26>]
      [0.6 color rgb <0.74, 0.56, 0.35>]
      [1.0 color rgb <0.48, 0.32, 0.18>]
    }
    scale 0.06
  }
  finish { ambient 0 diffuse 0.85 }
}

#declare Bottle = union {
  difference {
    object { Bottle_Outside }
    object { Bottle_Inside }
    material { Glass_Material }
  }
  object { Cork }
}

// ------------------------------------------------------------ the tumbler

// A faceted tumbler: twelve flat faces widening towards the top, and a
// smooth rim band above them.
#declare Tumbler_Height = 1.20;
#declare Facets = 12;

#declare Tumbler_Outside = union {
  intersection {
    #for (I, 0, Facets - 1)
      plane { <1, -0.07, 0>, 0.45 rotate y * (I + 0.5) * 360 / Facets }
    #end
    plane { -y, 0 }
    plane {  y, Tumbler_Height - 0.18 }
  }
  // rim band
  cone { <0, Tumbler_Height - 0.181, 0>, 0.462, <0, Tumbler_Height, 0>, 0.470 }
}

#declare Tumbler = difference {
  object { Tumbler_Outside }
  cone { <0, 0.12, 0>, 0.385, <0, Tumbler_Height + 0.01, 0>, 0.445 }
  material { Glass_Material }
}

object { Tumbler }

// Bottle laid across the tumbler rim: turned so the neck points left
// (+90 degrees about z) and down (a further tilt), swung a little towards
// the camera, and lifted so its body rests on the rim.
object {
  Bottle
  translate -y * 0.75        // turn about the middle of the body
  rotate z * (90 + 17)
  rotate y * -12
  translate <0.1, 1.70, 0>
}
