Model {
  Name "mass_spring_damper"
  StopTime "10"
  System {
    Name "mass_spring_damper"
    Block {
      BlockType Constant
      Name "1e"
      Position [100, 40, 125, 65]
      Value "1"
    }
    Block {
      BlockType Terminator
      Name "1t"
      Position [135, 40, 160, 65]
    }
    Block {
      BlockType Sum
      Name "2sum"
      Position [200, 40, 225, 65]
      Inputs "+---"
    }
    Block {
      BlockType Integrator
      Name "3p"
      Position [300, 40, 325, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "3f"
      Position [335, 40, 360, 65]
      Gain "1/(2)"
    }
    Line {
      SrcBlock "3p"
      SrcPort 1
      DstBlock "3f"
      DstPort 1
    }
    Block {
      BlockType Integrator
      Name "4q"
      Position [400, 40, 425, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "4e"
      Position [435, 40, 460, 65]
      Gain "1/(1/50)"
    }
    Line {
      SrcBlock "4q"
      SrcPort 1
      DstBlock "4e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "5e"
      Position [500, 40, 525, 65]
      Gain "4"
    }
    Block {
      BlockType Gain
      Name "6f"
      Position [600, 40, 625, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "6e"
      Position [635, 40, 660, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "8scope"
      Position [800, 40, 825, 65]
    }
    Line {
      SrcBlock "1e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 1
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "1t"
      DstPort 1
    }
    Line {
      SrcBlock "2sum"
      SrcPort 1
      DstBlock "3p"
      DstPort 1
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "4q"
      DstPort 1
    }
    Line {
      SrcBlock "4e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 2
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "5e"
      DstPort 1
    }
    Line {
      SrcBlock "5e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 3
    }
    Line {
      SrcBlock "3f"
      SrcPort 1
      DstBlock "6f"
      DstPort 1
    }
    Line {
      SrcBlock "6e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 4
    }
    Line {
      SrcBlock "6f"
      SrcPort 1
      DstBlock "8scope"
      DstPort 1
    }
  }
}
