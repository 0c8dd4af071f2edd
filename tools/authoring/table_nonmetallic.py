# SPDX-License-Identifier: GPL-2.0-or-later
"""Non-metallic compounds: filed under a positive and a negative covalence.

Molecules are embedded from SMILES; network solids (SiO2, SiC, Si3N4) and NH4Cl come from their
crystals. Ammonium salts without a crystal are one ion pair, placed by the force field."""

from entries import molecule, solid, cod, lit
from structures import WYCKOFF, cubic

N = "nonmetallic"

ROWS = [
    # hydrogen
    ("HF", "H F", "F", "Hydrogen fluoride, HF: a polar molecule whose strong hydrogen bonds make it boil at 20 C; etches glass."),
    ("HCl", "H Cl", "Cl", "Hydrogen chloride, HCl: a gas that dissolves in water to give hydrochloric acid, the acid of the stomach."),
    ("HBr", "H Br", "Br", "Hydrogen bromide, HBr: a gas that forms the strong hydrobromic acid."),
    ("HI", "H I", "I", "Hydrogen iodide, HI: the strongest of the hydrohalic acids in water."),
    ("H2O2", "H O", "OO", "Hydrogen peroxide, H2O2: an O-O bonded molecule twisted like an open book; a bleach and antiseptic."),
    ("H2S", "H S", "S", "Hydrogen sulfide, H2S: a toxic gas that smells of rotten eggs."),
    ("NH3", "H N", "N", "Ammonia, NH3: a pyramidal molecule with a lone pair; made by the Haber process for fertilisers."),
    ("N2H4", "H N", "NN", "Hydrazine, N2H4: an N-N bonded molecule; a rocket fuel."),
    ("HN3", "H N", "N=[N+]=[N-]", "Hydrazoic acid, HN3: the explosive parent acid of the azides."),
    ("PH3", "H P", "P", "Phosphine, PH3: a pyramidal, very toxic gas; its P-H angles are close to 90 deg."),
    ("SiH4", "H Si", "[SiH4]", "Silane, SiH4: the silicon analogue of methane; ignites by itself in air."),
    ("HCN", "H C", "C#N", "Hydrogen cyanide, HCN: a linear, very poisonous molecule with a C#N triple bond; smells of almonds."),
    ("H2SO4", "H SO", "OS(=O)(=O)O", "Sulfuric acid, H2SO4: a tetrahedral sulfur with two OH groups; the most produced chemical in the world."),
    ("H2SO3", "H SO", "OS(=O)O", "Sulfurous acid, H2SO3: forms when SO2 dissolves in water; causes acid rain."),
    ("HNO3", "H NO", "O[N+](=O)[O-]", "Nitric acid, HNO3: a flat molecule; a strong acid used to make fertilisers and explosives."),
    ("HNO2", "H NO", "ON=O", "Nitrous acid, HNO2: a weak acid that exists only in solution."),
    ("H3PO4", "H PO", "OP(=O)(O)O", "Phosphoric acid, H3PO4: a tetrahedral acid that gives cola drinks their tang; used in fertilisers."),
    ("H3PO3", "H PO", "OP(O)O", "Phosphorous acid, H3PO3 (here as P(OH)3): a reducing acid."),
    ("H2CO3", "H CO", "OC(=O)O", "Carbonic acid, H2CO3: forms when CO2 dissolves in water; fizzy drinks are a weak carbonic acid."),
    ("HClO", "H ClO", "OCl", "Hypochlorous acid, HOCl: the active disinfectant of chlorinated water and bleach."),
    ("HClO3", "H ClO", "OCl(=O)=O", "Chloric acid, HClO3: a strong oxidising acid, the parent of the chlorates."),
    ("HClO4", "H ClO", "OCl(=O)(=O)=O", "Perchloric acid, HClO4: one of the strongest acids; a tetrahedral chlorine."),
    ("HBrO3", "H BrO", "OBr(=O)=O", "Bromic acid, HBrO3: the parent acid of the bromates."),
    ("HIO3", "H IO", "OI(=O)=O", "Iodic acid, HIO3: a white solid acid, the parent of the iodates."),
    ("H3BO3", "H BO", "OB(O)O", "Boric acid, B(OH)3: a flat molecule; a mild antiseptic and insecticide."),
    ("H4SiO4", "H SiO", "O[Si](O)(O)O", "Orthosilicic acid, Si(OH)4: the form in which silicon dissolves in water."),
    # carbon
    ("CO", "C O", "[C-]#[O+]", "Carbon monoxide, CO: a triple-bonded, poisonous gas that binds to haemoglobin in place of oxygen."),
    ("C3O2", "C O", "O=C=C=C=O", "Carbon suboxide, C3O2: a linear chain O=C=C=C=O; a foul-smelling gas."),
    ("CS2", "C S", "S=C=S", "Carbon disulfide, CS2: a linear molecule like CO2; a volatile solvent that dissolves sulfur."),
    ("OCS", "C S", "O=C=S", "Carbonyl sulfide, OCS: a linear molecule, the most common sulfur gas of the atmosphere."),
    ("CCl4", "C Cl", "ClC(Cl)(Cl)Cl", "Carbon tetrachloride, CCl4: a tetrahedral molecule, once used in fire extinguishers."),
    ("COCl2", "C Cl", "O=C(Cl)Cl", "Phosgene, COCl2: a flat, very toxic gas; used to make polycarbonate plastics."),
    ("CF4", "C F", "FC(F)(F)F", "Carbon tetrafluoride, CF4: a very stable tetrahedral gas used to etch microchips."),
    ("CBr4", "C Br", "BrC(Br)(Br)Br", "Carbon tetrabromide, CBr4: a tetrahedral molecule, a dense white solid."),
    ("CI4", "C I", "IC(I)(I)I", "Carbon tetraiodide, CI4: bright red crystals of crowded tetrahedral molecules."),
    ("C2N2", "C N", "N#CC#N", "Cyanogen, (CN)2: a linear molecule N#C-C#N; a toxic gas that burns with a violet flame."),
    # nitrogen
    ("NO", "N O", "[N]=O", "Nitric oxide, NO: a molecule with an odd number of electrons; a signal molecule in the body."),
    ("NO2", "N O", "[O]N=O", "Nitrogen dioxide, NO2: a brown, bent radical; the colour of city smog."),
    ("N2O", "N O", "[N-]=[N+]=O", "Nitrous oxide, N2O (laughing gas): a linear molecule N=N=O; an anaesthetic and whipped-cream propellant."),
    ("N2O3", "N O", "O=N[N+](=O)[O-]", "Dinitrogen trioxide, N2O3: a deep blue liquid made of NO and NO2."),
    ("N2O4", "N O", "O=[N+]([O-])[N+](=O)[O-]", "Dinitrogen tetroxide, N2O4: two NO2 joined by an N-N bond; a rocket propellant."),
    ("N2O5", "N O", "O=[N+]([O-])O[N+](=O)[O-]", "Dinitrogen pentoxide, N2O5: the anhydride of nitric acid."),
    ("NH2OH", "N OH", "NO", "Hydroxylamine, NH2OH: an NH2 group bonded to an OH group; a reducing agent used on the way to nylon-6."),
    ("NF3", "N F", "FN(F)F", "Nitrogen trifluoride, NF3: a pyramidal gas used to clean equipment for making microchips."),
    ("NCl3", "N Cl", "ClN(Cl)Cl", "Nitrogen trichloride, NCl3: an explosive yellow oil; the smell of indoor swimming pools."),
    # silicon
    ("SiF4", "Si F", "F[Si](F)(F)F", "Silicon tetrafluoride, SiF4: a tetrahedral gas given off when HF etches glass."),
    ("SiCl4", "Si Cl", "Cl[Si](Cl)(Cl)Cl", "Silicon tetrachloride, SiCl4: a fuming liquid used to make pure silicon."),
    ("SiBr4", "Si Br", "Br[Si](Br)(Br)Br", "Silicon tetrabromide, SiBr4: a tetrahedral molecule."),
    ("SiI4", "Si I", "I[Si](I)(I)I", "Silicon tetraiodide, SiI4: a tetrahedral molecule forming white crystals."),
    # phosphorus
    ("P4O10", "P O", "O=P12OP3(=O)OP(=O)(O1)OP(=O)(O2)O3", "Phosphorus pentoxide, P4O10: a cage of four PO4 tetrahedra; a powerful drying agent."),
    ("P4O6", "P O", "P12OP3OP(O1)OP(O2)O3", "Phosphorus trioxide, P4O6: a P4 tetrahedron with an O inserted into each edge."),
    ("PCl3", "P Cl", "ClP(Cl)Cl", "Phosphorus trichloride, PCl3: a pyramidal molecule used to make pesticides."),
    ("PCl5", "P Cl", "ClP(Cl)(Cl)(Cl)Cl", "Phosphorus pentachloride, PCl5: a trigonal bipyramid in the gas; ionic [PCl4+][PCl6-] as a solid."),
    ("POCl3", "P Cl", "O=P(Cl)(Cl)Cl", "Phosphoryl chloride, POCl3: a tetrahedral molecule used to make flame retardants."),
    ("PF3", "P F", "FP(F)F", "Phosphorus trifluoride, PF3: a pyramidal, toxic gas."),
    ("PF5", "P F", "FP(F)(F)(F)F", "Phosphorus pentafluoride, PF5: a trigonal bipyramid of five fluorines around phosphorus."),
    ("PBr3", "P Br", "BrP(Br)Br", "Phosphorus tribromide, PBr3: turns alcohols into bromoalkanes."),
    ("PI3", "P I", "IP(I)I", "Phosphorus triiodide, PI3: red crystals, a strong reducing agent."),
    ("P4S3", "P S", "P12P3P1SP(S2)S3", "Tetraphosphorus trisulfide, P4S3: a cage molecule in the heads of strike-anywhere matches."),
    # sulfur
    ("SO2", "S O", "O=S=O", "Sulfur dioxide, SO2: a bent molecule with a choking smell; from burning coal, a cause of acid rain."),
    ("SO3", "S O", "O=S(=O)=O", "Sulfur trioxide, SO3: a flat triangular molecule; with water it gives sulfuric acid."),
    ("SF6", "S F", "FS(F)(F)(F)(F)F", "Sulfur hexafluoride, SF6: an octahedral, inert, very dense gas; insulates high-voltage switches."),
    ("SF4", "S F", "FS(F)(F)F", "Sulfur tetrafluoride, SF4: a see-saw shaped molecule used to fluorinate organic compounds."),
    ("SCl2", "S Cl", "ClSCl", "Sulfur dichloride, SCl2: a bent molecule, a cherry-red liquid."),
    ("S2Cl2", "S Cl", "ClSSCl", "Disulfur dichloride, S2Cl2: a twisted Cl-S-S-Cl chain; used to vulcanise rubber."),
    ("SOCl2", "S Cl", "O=S(Cl)Cl", "Thionyl chloride, SOCl2: a pyramidal molecule that turns acids into acid chlorides."),
    ("SO2Cl2", "S Cl", "O=S(=O)(Cl)Cl", "Sulfuryl chloride, SO2Cl2: a tetrahedral source of chlorine in synthesis."),
    ("S2Br2", "S Br", "BrSSBr", "Disulfur dibromide, S2Br2: a twisted Br-S-S-Br chain, a red liquid."),
]

SALTS = [
    ("NH4Br", "NH4 Br", "[NH4+].[Br-]", "Ammonium bromide, NH4Br: one NH4+ ion hydrogen-bonded to a Br- ion; used in photography."),
    ("NH4I", "NH4 I", "[NH4+].[I-]", "Ammonium iodide, NH4I: one NH4+ and one I- ion; used in photographic chemicals."),
    ("NH4F", "NH4 F", "[NH4+].[F-]", "Ammonium fluoride, NH4F: NH4+ and F- ions; etches glass."),
    ("NH4NO3", "NH4 NO", "[NH4+].[O-][N+](=O)[O-]", "Ammonium nitrate, NH4NO3: an ion pair NH4+ NO3-; a fertiliser and explosive."),
    ("(NH4)2SO4", "NH4 SO", "[NH4+].[NH4+].[O-]S(=O)(=O)[O-]", "Ammonium sulfate, (NH4)2SO4: two NH4+ ions around a sulfate ion; a fertiliser."),
    ("(NH4)3PO4", "NH4 PO", "[NH4+].[NH4+].[NH4+].[O-]P(=O)([O-])[O-]", "Ammonium phosphate, (NH4)3PO4: three NH4+ around PO4(3-); a fertiliser and fire retardant."),
    ("(NH4)2CO3", "NH4 CO", "[NH4+].[NH4+].[O-]C([O-])=O", "Ammonium carbonate, (NH4)2CO3: smelling salts; it slowly gives off ammonia."),
    ("NH4HCO3", "NH4 CO", "[NH4+].OC([O-])=O", "Ammonium bicarbonate, NH4HCO3: baking ammonia, a raising agent in biscuits."),
    ("NH4ClO4", "NH4 ClO", "[NH4+].[O-]Cl(=O)(=O)=O", "Ammonium perchlorate, NH4ClO4: the oxidiser of solid rocket fuel."),
    ("NH4OH", "NH4 OH", "[NH4+].[OH-]", "Ammonium hydroxide, NH4OH: NH4+ and OH- ions, as ammonia solution is written; a household cleaner."),
    ("NH4SCN", "NH4 S", "[NH4+].[S-]C#N", "Ammonium thiocyanate, NH4SCN: NH4+ and the linear SCN- ion; it turns blood-red with Fe3+."),
]

NETWORK = dict(kind=N, cls="covalent-network")

ENTRIES = [molecule(n, N, k, d, s) for n, k, s, d in ROWS] + [
    molecule("H2O", N, "H O",
             "Water, H2O: a bent molecule (104.5 deg); in ice each molecule holds four others "
             "by hydrogen bonds (Coordination shows them).",
             "O",
             crystal=cod("ice/H2O-Ice-Ih.cif", note="ice Ih in the ordered hydrogen model of "
                         "Bernal and Fowler, J. Chem. Phys. 1, 515 (1933)"),
             bonds=[("O", "H", 0.75, 1.10, "single"), ("O", "H", 1.70, 2.05, "coordination")]),
    molecule("CO2", N, "C O",
             "Carbon dioxide, CO2: a linear molecule O=C=O; the solid is dry ice, which "
             "sublimes at -78 C.",
             "O=C=O",
             crystal=lit("P a -3", cubic(5.624), [("C1", "C", 0, 0, 0),
                                                  ("O1", "O", 0.1185, 0.1185, 0.1185)], WYCKOFF),
             bonds=[("C", "O", 1.05, 1.30, "double")]),
    solid("SiO2-quartz", N, "Si O", "covalent-network",
          "Quartz, SiO2 (alpha): SiO4 tetrahedra sharing every corner in spirals; sand, and the "
          "crystal of quartz watches.",
          cod("oxides/SiO2-Quartz-alpha.cif"), bonds=[("Si", "O", 1.45, 1.75, "single")]),
    solid("SiO2-cristobalite", N, "Si O", "covalent-network",
          "Cristobalite, SiO2: the high-temperature form of silica, SiO4 tetrahedra in a "
          "diamond-like framework.",
          cod("oxides/SiO2-Cristobalite.cif"), bonds=[("Si", "O", 1.45, 1.75, "single")]),
    solid("SiO2-coesite", N, "Si O", "covalent-network",
          "Coesite, SiO2: a dense form of silica made under high pressure; found at meteorite "
          "craters.",
          cod("oxides/SiO2-Coesite.cif"), bonds=[("Si", "O", 1.45, 1.75, "single")]),
    solid("SiO2-stishovite", N, "Si O", "covalent-network",
          "Stishovite, SiO2: rutile structure with six-coordinated silicon; formed by meteorite "
          "impacts.",
          cod("oxides/SiO2-Stishovite.cif"), bonds=[("Si", "O", 1.60, 1.90, "single")]),
    solid("SiC", N, "Si C", "covalent-network",
          "Silicon carbide, SiC (beta, cubic): diamond-like network of alternating Si and C; "
          "carborundum abrasive.",
          cod("carbides/SiC-3C-beta.cif"), bonds=[("Si", "C", 1.75, 2.00, "single")]),
    solid("SiC-6H", N, "Si C", "covalent-network",
          "Silicon carbide, SiC (6H, moissanite): a hexagonal stacking of SiC layers; sparkles "
          "like diamond.",
          cod("carbides/SiC-6H-alpha.cif"), bonds=[("Si", "C", 1.75, 2.00, "single")]),
    solid("Si3N4", N, "Si N", "covalent-network",
          "Silicon nitride, Si3N4 (beta): SiN4 tetrahedra in a strong, light ceramic for "
          "bearings and engine parts.",
          cod("nitrides/Si3N4-beta.cif"), bonds=[("Si", "N", 1.60, 1.85, "single")], seed="Si"),
    solid("NH4Cl", N, "NH4 Cl", "ionic",
          "Ammonium chloride, NH4Cl (sal ammoniac): NH4+ ions in a CsCl lattice of Cl- ions; "
          "used in dry cells and soldering.",
          lit("P -4 3 m", cubic(3.8198),
              [("N1", "N", 0, 0, 0), ("H1", "H", 0.1557, 0.1557, 0.1557),
               ("Cl1", "Cl", 0.5, 0.5, 0.5)],
              "Levy and Peterson, Phys. Rev. 86, 766 (1952): ordered low-temperature phase, "
              "N-H 1.03 A"),
          labels={"N": ("N+", 1), "Cl": ("Cl-", -1)},
          bonds=[("N+", "H", 0.90, 1.15, "single"), ("N+", "Cl-", "coordination")]),
] + [molecule(n, N, k, d, s, cls="ionic") for n, k, s, d in SALTS]
