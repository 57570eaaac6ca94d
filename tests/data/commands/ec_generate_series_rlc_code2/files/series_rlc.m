Model {
  Name "series_rlc"
  StopTime "10"
  System {
    Name "series_rlc"
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
      Inputs "+--"
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
      Gain "1/(0.1)"
    }
    Line {
      SrcBlock "3p"
      SrcPort 1
      DstBlock "3f"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "4e"
      Position [400, 40, 425, 65]
      Gain "10"
    }
    Block {
      BlockType Sum
      Name "5sum"
      Position [500, 40, 525, 65]
      Inputs "+-"
    }
    Block {
      BlockType Integrator
      Name "6q"
      Position [600, 40, 625, 65]
      InitialCondition "0"
    }
    Block {
      BlockType Gain
      Name "6e"
      Position [635, 40, 660, 65]
      Gain "1/(1e-3)"
    }
    Line {
      SrcBlock "6q"
      SrcPort 1
      DstBlock "6e"
      DstPort 1
    }
    Block {
      BlockType Gain
      Name "7e"
      Position [700, 40, 725, 65]
      Gain "1"
    }
    Block {
      BlockType Constant
      Name "7f"
      Position [735, 40, 760, 65]
      Value "0"
    }
    Block {
      BlockType Scope
      Name "9scope"
      Position [900, 40, 925, 65]
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
      DstBlock "4e"
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
      DstBlock "5sum"
      DstPort 1
    }
    Line {
      SrcBlock "6e"
      SrcPort 1
      DstBlock "2sum"
      DstPort 3
    }
    Line {
      SrcBlock "5sum"
      SrcPort 1
      DstBlock "6q"
      DstPort 1
    }
    Line {
      SrcBlock "6e"
      SrcPort 1
      DstBlock "7e"
      DstPort 1
    }
    Line {
      SrcBlock "7f"
      SrcPort 1
      DstBlock "5sum"
      DstPort 2
    }
    Line {
      SrcBlock "7e"
      SrcPort 1
      DstBlock "9scope"
      DstPort 1
    }
  }
}
